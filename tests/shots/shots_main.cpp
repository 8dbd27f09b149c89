// shots_tests [gtest options] [shots-folder]: the tests of faults met as a new user and the
// pictures of every window in every interface language, written into shots-folder (by default
// "shots" in the current directory).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

QString gShotsFolder;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  gShotsFolder = argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath()
                          : QDir::current().absoluteFilePath(QStringLiteral("shots"));
  return RUN_ALL_TESTS();
}
