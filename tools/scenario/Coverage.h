// What the scenarios run reached: the pages shown, the keys each page took,
// the setup rows selected; heard from the front panel while a file runs.
#pragma once
#include <string>

#include "FileReport.h"

class TCoverageListener {
 public:
  explicit TCoverageListener(TCoverage& into);
  ~TCoverageListener();
  TCoverageListener(const TCoverageListener&) = delete;
  TCoverageListener& operator=(const TCoverageListener&) = delete;

 private:
  static void Heard(const TPanelChange& change, void* context);
  TCoverage& Into;
};

// The coverage as JSON, with the pages and rows nothing reached.
std::string CoverageJson(const TCoverage& coverage, int files);
// Every setup row of the lists, "LIST / ROW".
std::vector<std::string> AllSetupRows();
