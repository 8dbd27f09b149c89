#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "lang/language_captions.h"
#include "platform/application.h"
#include "platform/message_boxes.h"

namespace orvik::lang {
// The language numbering tables live with the translation component; the settings store a
// number that matches no language as 255.
int numberOfSlot(int slot) {
  const int number = orvik::numberOfSlot(slot);
  return number < 0 ? 255 : number;
}
int slotOfNumber(int number) {
  return orvik::slotOfNumber(number);
}
QString codeOfNumber(int number) {
  switch (number) {
    case 1:
      return QStringLiteral("En");
    case 2:
      return QStringLiteral("Fr");
    case 3:
      return QStringLiteral("Ru");
    case 4:
      return QStringLiteral("Sp");
    default:
      return {};
  }
}
}  // namespace orvik::lang

namespace {
constexpr std::array<int, Settings::kCount + 1> kDefaults = {
    0,                    // byte 0, unused
    1, 0, 0, 0, 0, 1, 0,  // 1-7 shown: English and Russian
    1, 1, 1,              // 8-10 interface, pronunciation, auto-play language: English
    1, 0, 4,              // 11 pause, 12 sound effects, 13 font size
    2, 1, 0, 1, 0,        // 14 installed count, 15-18 En Fr Ru Sp
    0, 0, 0,              // 19-21
    1, 1, 0, 0, 0,        // 22 sound count, 23-26 En Fr Ru Sp
    0, 0, 0,              // 27-29
    1, 1,                 // 30, 31
};

const char* const kFileError =
    "An error occurred while trying to access file Settings.orv.\rPlease reinstall the program "
    "or contact your vendor.";

// The installed or sound list from four flag bytes: slots in the order En, Fr, Ru, Sp, then -1.
std::array<int, 4> listFromFlags(const Settings& s, int firstByte) {
  std::array<int, 4> list{-1, -1, -1, -1};
  constexpr int kSlots[4] = {0, 1, 5, 6};
  int place = 0;
  for (int i = 0; i < 4; ++i)
    if (s.flag(firstByte + i)) list[place++] = kSlots[i];
  return list;
}
}  // namespace

Settings::Settings(QString folder, orvik::MessageBoxes* messages)
    : folder_(std::move(folder)), messages_(messages) {}

QString Settings::filePath() const {
  return QDir(folder_).filePath(QString::fromLatin1(kFileName));
}

int Settings::value(int n) const {
  return n >= 1 && n <= kCount ? bytes_[n] : 0;
}

void Settings::setValue(int n, int v) {
  if (n >= 1 && n <= kCount) bytes_[n] = v & 0xFF;
}

bool Settings::fail() {
  if (messages_) messages_->show(orvik::MessageKind::Warning, QString::fromLatin1(kFileError));
  orvik::Application::terminate(3);
  return false;
}

bool Settings::read() {
  QFile file(filePath());
  if (!file.exists()) return writeDefaults();
  if (!file.open(QIODevice::ReadOnly)) return fail();
  const QByteArray data = file.read(kCount + 1);
  if (file.error() != QFileDevice::NoError) return fail();
  for (int n = 1; n <= kCount && n < data.size(); ++n)
    bytes_[n] = static_cast<unsigned char>(data[n]);
  return true;
}

bool Settings::writeDefaults() {
  bytes_ = kDefaults;
  QList<int> all;
  for (int n = 1; n <= kCount; ++n) all << n;
  return writeBytes(all, true);
}

bool Settings::save() {
  if (controls_) controls_->copyControlsToSettings();
  QList<int> all;
  for (int n = 1; n <= kCount; ++n) all << n;
  return writeBytes(all, false);
}

// Writes the given bytes at their offsets, keeping the others as the file has them. A new file
// is created; bytes between are zero.
bool Settings::writeBytes(const QList<int>& numbers, bool truncate) {
  QFile file(filePath());
  QIODevice::OpenMode mode = QIODevice::ReadWrite;
  if (truncate) mode |= QIODevice::Truncate;
  if (!file.open(mode)) return fail();
  for (int n : numbers) {
    const char byte = static_cast<char>(bytes_[n]);
    if (!file.seek(n) || file.write(&byte, 1) != 1) return fail();
  }
  if (!file.flush()) return fail();
  return true;
}

bool Settings::applyCommandLine(const QStringList& arguments) {
  if (arguments.isEmpty()) {
    if (!read()) return false;
    installedList = listFromFlags(*this, InstalledEn);
    soundList = listFromFlags(*this, SoundEn);
    return true;
  }

  // Each argument is a language digit (0 English, 1 French, 5 Russian, 6 Spanish), optionally
  // followed by "s" for a language with sounds, and names a language not named before. Any
  // other argument ends the program before the file is touched: a digit that names no language
  // would install nothing under its place (an empty chapter list), a language named twice would
  // be shown twice.
  const QString usage = QStringLiteral(
      "\rEach argument is a language digit:\r0 English, 1 French, 5 Russian, 6 Spanish,\r"
      "optionally followed by \"s\" for its sounds;\reach language at most once.");
  QList<int> named;
  for (int i = 0; i < 4 && i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    QString fault;
    if (arg.isEmpty() || !arg[0].isDigit() || arg[0].unicode() > '9')
      fault = QStringLiteral("Invalid installation argument \"%1\".").arg(arg);
    else if (orvik::lang::numberOfSlot(arg[0].digitValue()) == 255)
      fault = QStringLiteral("Installation argument \"%1\" names no language.").arg(arg);
    else if (named.contains(arg[0].digitValue()))
      fault =
          QStringLiteral("Installation argument \"%1\" names a language a second time.").arg(arg);
    if (!fault.isEmpty()) {
      if (messages_) messages_->show(orvik::MessageKind::Warning, fault + usage);
      orvik::Application::terminate(4);
      return false;
    }
    named << arg[0].digitValue();
  }
  for (int i = 0; i < 4; ++i) {
    if (i >= arguments.size()) {
      installedList[i] = soundList[i] = -1;
      continue;
    }
    const QString& arg = arguments[i];
    installedList[i] = arg[0].digitValue();
    soundList[i] = arg.size() > 1 && arg[1] == QLatin1Char('s') ? installedList[i] : -1;
  }
  const int installed = installedCount();
  const int sounds = soundCount();
  bool ok = true;
  if (sounds == 0) {
    if (messages_)
      messages_->show(orvik::MessageKind::Information, QStringLiteral("The rest is silence."));
    orvik::Application::terminate(5);
    ok = false;
  }

  // Rewrite the installation bytes; the others keep what the file has. A new file takes the
  // defaults for the user's bytes, so that a fresh installation does not start with a pause of 0
  // seconds and 5-point articles, outside what the settings dialog offers.
  const bool freshFile = !QFile::exists(filePath());
  if (!freshFile) {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) return fail();
    const QByteArray data = file.read(kCount + 1);
    for (int n = 1; n <= kCount && n < data.size(); ++n)
      bytes_[n] = static_cast<unsigned char>(data[n]);
  } else {
    bytes_ = kDefaults;
  }
  for (int n : {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 18, 23, 24, 25, 26}) bytes_[n] = 0;
  for (int code : installedList) {
    switch (code) {
      case 0:
        bytes_[ShownEn] = bytes_[InstalledEn] = 1;
        break;
      case 1:
        bytes_[ShownFr] = bytes_[InstalledFr] = 1;
        break;
      case 5:
        bytes_[ShownRu] = bytes_[InstalledRu] = 1;
        break;
      case 6:
        bytes_[ShownSp] = bytes_[InstalledSp] = 1;
        break;
      default:
        break;
    }
  }
  bytes_[InstalledCount] = installed;
  bytes_[InterfaceLanguage] = orvik::lang::numberOfSlot(installedList[0]);
  int firstSound = -1;
  for (int code : soundList)
    if (code != -1) {
      firstSound = code;
      break;
    }
  bytes_[PronunciationLanguage] = bytes_[AutoPlayLanguage] = orvik::lang::numberOfSlot(firstSound);
  for (int code : soundList) {
    switch (code) {
      case 0:
        bytes_[SoundEn] = 1;
        break;
      case 1:
        bytes_[SoundFr] = 1;
        break;
      case 5:
        bytes_[SoundRu] = 1;
        break;
      case 6:
        bytes_[SoundSp] = 1;
        break;
      default:
        break;
    }
  }
  bytes_[SoundCount] = sounds;
  bytes_[OnClickFlag] = bytes_[AutoFlag] = 1;
  QList<int> written{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 22, 23, 24, 25, 26, 30, 31};
  if (freshFile)
    for (int n = 1; n <= kCount; ++n)
      if (!written.contains(n)) written << n;
  if (!writeBytes(written, false)) return false;
  return read() && ok;
}

int Settings::installedCount() const {
  return static_cast<int>(
      std::count_if(installedList.begin(), installedList.end(), [](int c) { return c != -1; }));
}

int Settings::soundCount() const {
  return static_cast<int>(
      std::count_if(soundList.begin(), soundList.end(), [](int c) { return c != -1; }));
}

void Settings::deriveShownLanguages() {
  shownList = {-1, -1, -1, -1};
  int place = 0;
  for (int slot = 0; slot <= 6 && place < 4; ++slot)
    if (bytes_[slot + 1] == 1) shownList[place++] = slot;
  std::sort(shownList.begin(), shownList.end());
  shownFlags_ = {};
  shownFlags_[1] = bytes_[ShownEn] != 0;
  shownFlags_[2] = bytes_[ShownFr] != 0;
  shownFlags_[3] = bytes_[ShownRu] != 0;
  shownFlags_[4] = bytes_[ShownSp] != 0;
}

bool Settings::shown(int languageNumber) const {
  return languageNumber >= 1 && languageNumber <= 4 && shownFlags_[languageNumber];
}

bool Settings::installed(int languageNumber) const {
  return languageNumber >= 1 && languageNumber <= 4 && flag(InstalledEn + languageNumber - 1);
}

bool Settings::hasSounds(int languageNumber) const {
  return languageNumber >= 1 && languageNumber <= 4 && flag(SoundEn + languageNumber - 1);
}
