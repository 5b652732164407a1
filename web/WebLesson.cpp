// A lesson in the page: how it stands, for the page's lesson panel, and the
// learner's buttons. The page's driver and scenario live in WebScenario.cpp.
#include <emscripten/emscripten.h>

#include <string>

#include "scenario/ScenarioDriver.h"
#include "web/WebJson.h"

TScenarioDriver& PageDriver();
const TScenario& PageScenario();

namespace {

std::string State;

}  // namespace

extern "C" {

// {"lesson":..,"active":..,"title":..,"aim":..,"tasks":[..],"done":..,
//  "hint":..,"showing":..,"completed":..}
EMSCRIPTEN_KEEPALIVE const char* axim_lesson_state() {
  const TScenarioDriver& driver = PageDriver();
  const TLessonView& view = driver.Lesson();
  const TScenario& scenario = PageScenario();
  State = std::string("{\"lesson\":") + (scenario.Lesson ? "true" : "false") +
          ",\"active\":" + (driver.InLesson() ? "true" : "false") +
          ",\"title\":" + JsonString(scenario.Title) + ",\"aim\":" + JsonString(scenario.Aim) +
          ",\"tasks\":[";
  for (size_t i = 0; i < view.Tasks.size(); ++i)
    State += (i ? "," : "") + JsonString(view.Tasks[i]);
  State += "],\"done\":" + std::to_string(view.Done) + ",\"hint\":" + JsonString(view.Hint) +
           ",\"showing\":" + (view.Showing ? "true" : "false") +
           ",\"completed\":" + (view.Completed ? "true" : "false") + "}";
  return State.c_str();
}

EMSCRIPTEN_KEEPALIVE void axim_lesson_show_me() { PageDriver().ShowMe(); }
EMSCRIPTEN_KEEPALIVE void axim_lesson_back() { PageDriver().BackAStep(); }
EMSCRIPTEN_KEEPALIVE void axim_lesson_restart() { PageDriver().Restart(); }

}  // extern "C"
