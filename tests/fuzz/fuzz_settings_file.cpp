// Starts the settings the way the program does, from a settings file of any content and any
// installation command line: the input's first byte says whether "Settings.orv" exists (its
// lowest bit), the bytes after it up to the first newline are the command line (arguments
// separated by single blanks; none when the line is empty) and the rest is the file. Findings:
// a crash or sanitizer report; a refusal that says nothing or does not end the program with a
// failure status; a start whose file reads back as other settings; a save that fails in a
// writable folder or is read back differently.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/settings_file.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "schema/language.h"

namespace {

QTemporaryDir* gFolder = nullptr;

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

// Every setting as the program would read it from the folder's file now.
std::array<int, Settings::kCount + 1> readBack(const QString& folder) {
  orvik::RecordingMessageBoxes messages;
  orvik::Application::reset();
  Settings again(folder, &messages);
  if (!again.applyCommandLine({})) finding("a file the program wrote itself is refused");
  std::array<int, Settings::kCount + 1> values{};
  for (int n = 1; n <= Settings::kCount; ++n) values[n] = again.value(n);
  return values;
}

// The installed and sound lists name languages; the shown list may also hold the file's unused
// slots 2 to 4 (the panes pass over them). No list names a slot twice.
void checkLists(const Settings& s) {
  for (const auto* list : {&s.installedList, &s.soundList, &s.shownList})
    for (int i = 0; i < 4; ++i) {
      const int slot = (*list)[i];
      if (slot < -1 || slot > 6) finding("a list holds no slot");
      if (list != &s.shownList && slot != -1 && !orvik::Language::fromSlot(slot))
        finding("a list names no language");
      for (int j = i + 1; j < 4; ++j)
        if (slot != -1 && (*list)[j] == slot) finding("a list names a slot twice");
    }
  for (int n = -1; n <= 6; ++n) {
    s.shown(n);
    s.installed(n);
    s.hasSounds(n);
    orvik::slotOfNumber(n);
    orvik::codeOfNumber(n);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  gFolder = new QTemporaryDir;
  if (!gFolder->isValid()) finding("no temporary folder");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
  const bool fileExists = !input.isEmpty() && (input[0] & 1);
  const QByteArray rest = input.mid(1);
  const qsizetype newline = rest.indexOf('\n');
  const QByteArray line = newline < 0 ? rest : rest.left(newline);
  const QByteArray fileBytes = newline < 0 ? QByteArray() : rest.mid(newline + 1);
  QStringList arguments;
  if (!line.isEmpty()) arguments = QString::fromUtf8(line).split(QLatin1Char(' '));

  const QString folder = gFolder->path();
  const QString path = folder + QStringLiteral("/") + QLatin1String(Settings::kFileName);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  QFile::remove(path);
  if (fileExists) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes) != fileBytes.size())
      finding("cannot write the input file");
  }

  orvik::RecordingMessageBoxes messages;
  orvik::Application::reset();
  Settings settings(folder, &messages);
  const bool started = settings.applyCommandLine(arguments);
  for (const auto& m : messages.messages) orvik::messageLines(m.text);
  if (!started) {
    if (messages.messages.isEmpty()) finding("the start was refused without a message");
    if (!orvik::Application::terminated() || orvik::Application::exitCode() == 0)
      finding("the start was refused without a failure status");
    return 0;
  }
  if (orvik::Application::terminated()) finding("a successful start ended the program");
  settings.deriveShownLanguages();
  checkLists(settings);
  if (settings.installedCount() < 0 || settings.installedCount() > 4 || settings.soundCount() < 0 ||
      settings.soundCount() > 4)
    finding("language counts out of range");

  std::array<int, Settings::kCount + 1> values{};
  for (int n = 0; n <= Settings::kCount + 1; ++n) {
    if (settings.value(n) < 0 || settings.value(n) > 255) finding("a setting is not a byte");
    if (n >= 1 && n <= Settings::kCount) values[n] = settings.value(n);
  }
  if (readBack(folder) != values) finding("the file reads back as other settings");

  // Closing the program saves; the next start reads what was saved.
  orvik::Application::reset();
  if (!settings.save()) finding("saving into a writable folder failed");
  for (int n = 1; n <= Settings::kCount; ++n) values[n] = settings.value(n);
  if (readBack(folder) != values) finding("the saved file reads back as other settings");
  return 0;
}
