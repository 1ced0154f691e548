#include <gtest/gtest.h>

#include "platform/Application.h"

// GUI suites run inside the program's own application object, so an exception that leaves an
// event handler is reported the way the program reports it.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  pintoola::TApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
