// Starts the settings the way the program does, from a settings file of any content and any
// installation command line: the input's first byte says whether "Settings.orv" exists (its
// lowest bit) and whether it is a link to a file outside holding those bytes (bit 1), the bytes
// after it up to the first newline are the command line (arguments separated by single blanks;
// none when the line is empty) and the rest is the file. Findings: a crash or sanitizer report;
// a refusal that says nothing, does not end the program with a failure status or says too much
// (a whole argument of any length); an accepted command line holding an argument that is not a
// language digit with an optional "s" (trailing characters, a language twice, more than four,
// none with sounds); a command line parsed differently twice; a refused start that changed the
// file or a link's target; a link followed; a start whose file reads back as other settings; a
// save that fails in a writable folder or is read back differently.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/settings_file.h"
#include "platform/failure.h"
#include "platform/message_boxes.h"
#include "schema/language.h"

namespace {

QTemporaryDir* gFolder = nullptr;
QTemporaryDir* gOutside = nullptr;

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

// Every setting as the program would read it from the folder's file now.
std::array<int, Settings::kCount + 1> readBack(const QString& folder) {
  Settings again(folder);
  if (!again.applyCommandLine(Settings::parseCommandLine({})))
    finding("a file the program wrote itself is refused");
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
  // The interface byte names an installed language; the pronunciation and auto-play bytes name
  // languages with sounds, and none only when no language has sounds.
  if (!orvik::Language::fromNumber(s.value(Settings::InterfaceLanguage)) ||
      !s.installed(s.interfaceLanguage()))
    finding("the interface language is not installed");
  for (const auto& language : {s.pronunciationLanguage(), s.autoPlayLanguage()})
    if (language ? !s.hasSounds(*language) : s.soundCount() != 0)
      finding("a sound language without sounds");
  for (orvik::Language language : orvik::Language::all())
    if (s.shown(language) && !s.installed(language)) finding("a shown language not installed");
  for (int n = -1; n <= 6; ++n) {
    orvik::slotOfNumber(n);
    orvik::codeOfNumber(n);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  gFolder = new QTemporaryDir;
  gOutside = new QTemporaryDir;
  if (!gFolder->isValid() || !gOutside->isValid()) finding("no temporary folder");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
  const bool fileExists = !input.isEmpty() && (input[0] & 1);
  const bool linked = fileExists && (input[0] & 2);
  const QByteArray rest = input.mid(1);
  const qsizetype newline = rest.indexOf('\n');
  const QByteArray line = newline < 0 ? rest : rest.left(newline);
  const QByteArray fileBytes = newline < 0 ? QByteArray() : rest.mid(newline + 1);
  QStringList arguments;
  if (!line.isEmpty()) arguments = QString::fromUtf8(line).split(QLatin1Char(' '));

  const QString folder = gFolder->path();
  const QString path = folder + QStringLiteral("/") + QLatin1String(Settings::kFileName);
  const QString target = gOutside->path() + QStringLiteral("/target");
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  QFile::remove(path);
  QFile::remove(target);
  if (fileExists) {
    QFile file(linked ? target : path);
    if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes) != fileBytes.size())
      finding("cannot write the input file");
    file.close();
    if (linked && !QFile::link(target, path)) finding("cannot make the link");
  }
  const auto fileNow = [](const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
  };

  // The parse alone: the same answer twice, and an installation only of well-formed arguments.
  const Settings::CommandLine commandLine = Settings::parseCommandLine(arguments);
  const Settings::CommandLine again = Settings::parseCommandLine(arguments);
  if (again.installation != commandLine.installation || again.installed != commandLine.installed ||
      again.sounds != commandLine.sounds || bool(again.refusal) != bool(commandLine.refusal))
    finding("the command line parses differently twice");
  if (commandLine.installation != !arguments.isEmpty())
    finding("an installation without arguments");
  if (commandLine.refusal) {
    const orvik::Failure& refusal = *commandLine.refusal;
    if (refusal.text.isEmpty() || !refusal.endsProgram()) finding("a refusal that says nothing");
    if (refusal.text.size() > 400) finding("a refusal that quotes a whole argument");
    orvik::messageLines(refusal.text);
  } else if (commandLine.installation) {
    if (arguments.size() > 4) finding("more than four languages accepted");
    QList<QChar> seen;
    bool anySound = false;
    for (const QString& arg : arguments) {
      const bool wellFormed =
          (arg.size() == 1 || (arg.size() == 2 && arg[1] == QLatin1Char('s'))) &&
          QStringLiteral("0156").contains(arg[0]);
      if (!wellFormed) finding("an argument with other characters was accepted");
      if (seen.contains(arg[0])) finding("a language named twice was accepted");
      seen << arg[0];
      anySound = anySound || arg.size() == 2;
    }
    if (!anySound) finding("an installation without sounds was accepted");
  }

  const QByteArray before = fileNow(path);
  const QByteArray targetBefore = fileNow(target);
  Settings settings(folder);
  const orvik::Result started = settings.applyCommandLine(commandLine);
  if (linked && fileNow(target) != targetBefore) finding("a link's target was written");
  if (linked && !QFileInfo(path).isSymLink()) finding("the link was replaced at the start");
  if (!started) {
    const orvik::Failure& failure = started.failure();
    orvik::messageLines(failure.text);
    if (failure.text.isEmpty()) finding("the start was refused without a message");
    if (!failure.endsProgram()) finding("a writable folder could not be written");
    if (fileNow(path) != before) finding("a refused start changed the file");
    return 0;
  }
  if (linked) finding("a link was read as the settings file");
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
  if (!settings.save()) finding("saving into a writable folder failed");
  for (int n = 1; n <= Settings::kCount; ++n) values[n] = settings.value(n);
  if (readBack(folder) != values) finding("the saved file reads back as other settings");
  return 0;
}
