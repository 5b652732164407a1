// GUI test programs: GoogleTest with a Qt application created only when the
// tests run (listing them needs no display).
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

int ArgumentCount = 1;
char ProgramName[] = "test_gui";
char* Arguments[] = {ProgramName, nullptr};

class Application : public ::testing::Environment {
 public:
  void SetUp() override {
#ifdef AXIM_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", AXIM_SCALE_FACTOR);
#endif
    App = std::make_unique<QApplication>(ArgumentCount, Arguments);
    QApplication::setApplicationName("Tavrix");
  }
  void TearDown() override { App.reset(); }

 private:
  std::unique_ptr<QApplication> App;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new Application);
  return RUN_ALL_TESTS();
}
