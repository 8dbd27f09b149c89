// hidpi_tests: the program on a screen of 3072 by 2304 device pixels at a device pixel ratio of
// 2 (1536 by 1152 logical pixels). On the offscreen platform the screen comes from a
// configuration file and the ratio from QT_SCALE_FACTOR; both are read when the application is
// created, so they are set here first.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QTemporaryFile screens;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    if (!screens.open()) return 2;
    screens.write(R"({"screens": [{"name": "hidpi", "x": 0, "y": 0, "width": 3072,
                      "height": 2304, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
