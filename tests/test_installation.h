#pragma once
// A fresh copy of a built test installation in a temporary folder, so that every test that starts
// the program works on files nobody else touches.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TestInstallation {
 public:
  // source: a built installation folder (e.g. ORVIK_FIXTURE_SMALL).
  explicit TestInstallation(const QString& source) {
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      const QString target = dir_.path() + path.mid(source.size());
      if (it.fileInfo().isDir())
        QDir().mkpath(target);
      else
        QFile::copy(path, target);
    }
  }
  bool valid() const { return dir_.isValid() && QFile::exists(filePath("ODataBase/PctInfo.ort")); }
  QString path() const { return dir_.path(); }
  QString filePath(const QString& relative) const { return dir_.filePath(relative); }
  // Makes a copied (read-only) file writable, so a test can damage or remove it.
  void makeWritable(const QString& relative) const {
    QFile::setPermissions(filePath(relative), QFile::ReadOwner | QFile::WriteOwner);
  }

 private:
  QTemporaryDir dir_;
};
