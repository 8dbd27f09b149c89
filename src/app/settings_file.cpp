#include "app/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "platform/application.h"
#include "platform/message_boxes.h"
#include "schema/language.h"

namespace {
// The language byte the settings store for a slot: its language number, 255 for no language.
int languageByteOfSlot(int slot) {
  const auto language = orvik::Language::fromSlot(slot);
  return language ? language->number() : 255;
}
}  // namespace

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
    : folder_(std::move(folder)), messages_(messages) {
  relocated_ = !folderWritable(folder_);
  fileFolder_ = relocated_ ? configFolder() : folder_;
}

QString Settings::filePath() const {
  return QDir(fileFolder_).filePath(QString::fromLatin1(kFileName));
}

QString Settings::configFolder() {
  // Relative paths in the variable are to be ignored, as for every XDG base directory.
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base))
    base = QDir::homePath() + QStringLiteral("/.config");
  return QDir(base).filePath(QStringLiteral("orvik"));
}

bool Settings::folderWritable(const QString& folder) {
  const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
  struct stat st {};
  if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return ::access(path.constData(), W_OK) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH));
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

bool Settings::readFrom(const QString& path, QByteArray* data) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return fail();
  *data = file.read(kCount + 1);
  if (file.error() != QFileDevice::NoError) return fail();
  for (int n = 1; n <= kCount && n < data->size(); ++n)
    bytes_[n] = static_cast<unsigned char>((*data)[n]);
  return true;
}

bool Settings::read() {
  // After the configuration folder failed, the settings of this run are the ones in memory.
  if (!canWrite_) return true;
  QString path = filePath();
  // A relocated installation starts its user's file from the installation's own, which names
  // the languages installed there.
  const QString installationFile = QDir(folder_).filePath(QString::fromLatin1(kFileName));
  const bool seed = relocated_ && !QFile::exists(path) && QFile::exists(installationFile);
  if (seed) path = installationFile;
  if (!QFile::exists(path)) return writeDefaults();
  QByteArray data;
  if (!readFrom(path, &data)) return false;
  if (!checkInstalledLanguages(path)) return false;
  bringIntoRange();
  return !seed || writeFile(true);
}

bool Settings::checkInstalledLanguages(const QString& path) {
  for (int n = InstalledEn; n <= InstalledSp; ++n)
    if (flag(n)) return true;
  // Without a language there are no chapters to show and nothing to write back: say how the
  // languages are installed, in the stored interface language when the file names one.
  if (messages_)
    messages_->show(orvik::MessageKind::Warning, noLanguageMessage(value(InterfaceLanguage), path));
  orvik::Application::terminate(10);
  return false;
}

void Settings::bringIntoRange() {
  constexpr int kShown[4] = {ShownEn, ShownFr, ShownRu, ShownSp};
  int firstInstalled = 0, firstSound = 0;
  bool anyShown = false;
  for (int language = 1; language <= 4; ++language) {
    const bool installed = flag(InstalledEn + language - 1);
    // A sound flag of a language that is not installed has no table to pronounce from.
    const bool sounds = installed && flag(SoundEn + language - 1);
    bytes_[InstalledEn + language - 1] = installed ? 1 : 0;
    bytes_[SoundEn + language - 1] = sounds ? 1 : 0;
    const bool shown = installed && bytes_[kShown[language - 1]] == 1;
    bytes_[kShown[language - 1]] = shown ? 1 : 0;
    anyShown = anyShown || shown;
    if (installed && !firstInstalled) firstInstalled = language;
    if (sounds && !firstSound) firstSound = language;
  }
  for (int n = 3; n <= 5; ++n) bytes_[n] = 0;
  // At least one pane is shown: with none, every installed language is, as after installing.
  if (!anyShown)
    for (int language = 1; language <= 4; ++language)
      if (flag(InstalledEn + language - 1)) bytes_[kShown[language - 1]] = 1;
  bytes_[InstalledCount] = 0;
  bytes_[SoundCount] = 0;
  for (int language = 1; language <= 4; ++language) {
    bytes_[InstalledCount] += bytes_[InstalledEn + language - 1];
    bytes_[SoundCount] += bytes_[SoundEn + language - 1];
  }
  if (!installed(value(InterfaceLanguage))) bytes_[InterfaceLanguage] = firstInstalled;
  for (int n : {PronunciationLanguage, AutoPlayLanguage})
    if (!hasSounds(value(n))) bytes_[n] = firstSound ? firstSound : 255;
  bytes_[AutoPlayPause] = std::clamp(bytes_[AutoPlayPause], kMinPause, kMaxPause);
  bytes_[FontSize] = std::clamp(bytes_[FontSize], kMinFontSize, kMaxFontSize);
}

QString Settings::noLanguageMessage(int interfaceLanguage, const QString& filePath) {
  const char* text = nullptr;
  switch (interfaceLanguage) {
    case 2:
      text =
          "Le fichier de réglages\r%1\rne désigne aucune langue installée.\r\r"
          "Installez les langues en lançant une fois le programme\ravec la ligne de commande "
          "d'installation : un argument par langue,\r0 anglais, 1 français, 5 russe, "
          "6 espagnol,\rsuivi de « s » quand ses sons sont installés.\r\r"
          "Par exemple, l'anglais avec ses sons et le russe sans :\r    orvik 0s 5";
      break;
    case 3:
      text =
          "В файле настроек\r%1\rне указан ни один установленный язык.\r\r"
          "Установите языки, запустив программу один раз\rс командной строкой установки: "
          "по одному аргументу на язык,\r0 английский, 1 французский, 5 русский, "
          "6 испанский,\rс буквой «s», если установлены его звуки.\r\r"
          "Например, английский со звуками и русский без звуков:\r    orvik 0s 5";
      break;
    case 4:
      text =
          "El archivo de configuración\r%1\rno indica ningún idioma instalado.\r\r"
          "Instale los idiomas iniciando el programa una vez\rcon la línea de órdenes de "
          "instalación: un argumento por idioma,\r0 inglés, 1 francés, 5 ruso, 6 español,\r"
          "seguido de «s» si sus sonidos están instalados.\r\r"
          "Por ejemplo, inglés con sonidos y ruso sin ellos:\r    orvik 0s 5";
      break;
    default:
      text =
          "The settings file\r%1\rnames no installed language.\r\r"
          "Install the languages by starting the program once\rwith the installation command "
          "line: one argument per language,\r0 English, 1 French, 5 Russian, 6 Spanish,\r"
          "followed by \"s\" when its sounds are installed.\r\r"
          "For example, English with sounds and Russian without:\r    orvik 0s 5";
      break;
  }
  return QString::fromUtf8(text).arg(filePath);
}

bool Settings::writeDefaults() {
  bytes_ = kDefaults;
  return writeFile(true);
}

bool Settings::save() {
  if (controls_) controls_->copyControlsToSettings();
  bringIntoRange();
  return writeFile(false);
}

bool Settings::writeFile(bool fresh) {
  if (!canWrite_) return true;
  if (relocated_ && (!QDir().mkpath(fileFolder_) || !folderWritable(fileFolder_))) {
    // Nowhere to keep the settings: say so once and go on with them in memory.
    canWrite_ = false;
    if (messages_) messages_->show(orvik::MessageKind::Warning, QString::fromLatin1(kFileError));
    return true;
  }
  QByteArray data(kCount + 1, '\0');
  if (!fresh && QFile::exists(filePath())) {
    QFile old(filePath());
    if (!old.open(QIODevice::ReadOnly)) return fail();
    data = old.readAll();
    if (old.error() != QFileDevice::NoError) return fail();
    if (data.size() < kCount + 1) data.append(QByteArray(kCount + 1 - data.size(), '\0'));
  }
  for (int n = 1; n <= kCount; ++n) data[n] = static_cast<char>(bytes_[n]);
  // Unbuffered, so that a failed write is seen by the write itself: the save file would commit
  // after a failure that only its closing flush met.
  QSaveFile file(filePath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() ||
      !file.commit())
    return fail();
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
    else if (languageByteOfSlot(arg[0].digitValue()) == 255)
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
  // seconds and 5-point articles, outside what the settings dialog offers. A relocated
  // installation starts from the installation's own file when its user has none yet.
  QString existing = filePath();
  if (relocated_ && !QFile::exists(existing))
    existing = QDir(folder_).filePath(QString::fromLatin1(kFileName));
  const bool freshFile = !QFile::exists(existing);
  if (!freshFile) {
    QByteArray data;
    if (!readFrom(existing, &data)) return false;
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
  bytes_[InterfaceLanguage] = languageByteOfSlot(installedList[0]);
  int firstSound = -1;
  for (int code : soundList)
    if (code != -1) {
      firstSound = code;
      break;
    }
  bytes_[PronunciationLanguage] = bytes_[AutoPlayLanguage] = languageByteOfSlot(firstSound);
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
  // The user's bytes the old file held are brought into range before they are written back.
  bringIntoRange();
  if (!writeFile(freshFile || existing != filePath())) return false;
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
