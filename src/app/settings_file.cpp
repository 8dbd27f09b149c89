#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

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

using orvik::ExitStatus;
using orvik::Failure;
using orvik::MessageKind;
using orvik::Result;

QByteArray encoded(const QString& path) {
  return QFile::encodeName(path);
}

// What a path names, without following a link. A path that cannot be looked at (a folder on
// the way that may not be searched) counts as a regular file: opening it then says why.
enum class FileKind { Missing, Regular, Other };
FileKind kindOf(const QString& path, mode_t* mode = nullptr) {
  struct stat st {};
  if (::lstat(encoded(path).constData(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return FileKind::Missing;
    if (mode) *mode = S_IFREG | 0600;
    return FileKind::Regular;
  }
  if (mode) *mode = st.st_mode;
  return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

// Reads up to `limit` bytes of a regular file. A link is not followed and a pipe or device is
// not waited on: both set *notRegular. Returns 0 or the error number.
int readRegular(const QString& path, qsizetype limit, QByteArray* data, bool* notRegular) {
  *notRegular = false;
  const int fd = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    *notRegular = error == ELOOP;
    return error;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    *notRegular = true;
    return EINVAL;
  }
  data->clear();
  char buffer[4096];
  while (data->size() < limit) {
    const ssize_t n =
        ::read(fd, buffer, size_t(std::min<qsizetype>(sizeof buffer, limit - data->size())));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return error;
    }
    if (n == 0) break;
    data->append(buffer, n);
  }
  ::close(fd);
  return 0;
}

// Replaces the file at path by `data` with the permission bits `mode`: written whole into a
// temporary file beside it ("Settings.orv.XXXXXX"), flushed to the disk and renamed over it.
// Whatever fails, the temporary file goes and the old file stays. Returns 0 or the error number.
int replaceFile(const QString& path, const QByteArray& data, mode_t mode) {
  QByteArray temporary = encoded(path) + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  int error = 0;
  if (::fchmod(fd, mode) != 0) error = errno;
  for (qsizetype done = 0; !error && done < data.size();) {
    const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0)
      error = errno;
    else if (n == 0)
      error = ENOSPC;
    else
      done += n;
  }
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.constData(), encoded(path).constData()) != 0) error = errno;
  if (error) ::unlink(temporary.constData());
  return error;
}

// The permission bits of a new file: read and write for all, less the process's mask.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A file the program cannot read at the start: the settings message, naming the file and why.
Failure readFailure(const QString& path, int error) {
  return {ExitStatus::SettingsFile, MessageKind::Warning,
          QString::fromLatin1(kFileError) +
              QStringLiteral("\r\r%1\r%2").arg(path, QString::fromLocal8Bit(std::strerror(error)))};
}

Failure notRegularFailure(const QString& path) {
  return {ExitStatus::SettingsFile, MessageKind::Warning,
          QStringLiteral(
              "The settings file\r%1\ris not an ordinary file: a link, a folder, a pipe or a "
              "device has its name.\rThe program neither reads it nor writes there.\r\r"
              "Remove it (or put the settings file itself there), then start the "
              "program again.")
              .arg(path)};
}

// A failed save in the interface language.
QString writeFailureText(orvik::Language language, const QString& path, int error,
                         bool notRegular) {
  enum Reason { DiskFull, NoPermission, NotRegular, Other };
  Reason reason = Other;
  if (notRegular)
    reason = NotRegular;
  else if (error == ENOSPC || error == EDQUOT || error == EFBIG)
    reason = DiskFull;
  else if (error == EACCES || error == EPERM || error == EROFS)
    reason = NoPermission;
  struct Texts {
    const char* frame;
    const char* reasons[4];
  };
  static const Texts kTexts[4] = {
      {"Your settings could not be saved in\r%1\r\r%2\r\rThe program keeps your settings until "
       "it ends; this message is not shown again.",
       {"The disk is full.", "You have no permission to write there.",
        "It is not an ordinary file: a link, a folder or a device has that name.",
        "The system reports: %1."}},
      {"Vos réglages n'ont pas pu être enregistrés dans\r%1\r\r%2\r\rLe programme garde vos "
       "réglages jusqu'à sa fermeture ; ce message ne sera plus affiché.",
       {"Le disque est plein.", "Vous n'avez pas le droit d'y écrire.",
        "Ce n'est pas un fichier ordinaire : un lien, un dossier ou un périphérique porte ce nom.",
        "Le système signale : %1."}},
      {"Не удалось сохранить настройки в\r%1\r\r%2\r\rПрограмма хранит ваши настройки до своего "
       "закрытия; это сообщение больше не появится.",
       {"Диск заполнен.", "У вас нет прав на запись туда.",
        "Это не обычный файл: так называется ссылка, папка или устройство.",
        "Система сообщает: %1."}},
      {"No se pudo guardar la configuración en\r%1\r\r%2\r\rEl programa conserva su "
       "configuración hasta que se cierre; este mensaje no volverá a mostrarse.",
       {"El disco está lleno.", "No tiene permiso para escribir allí.",
        "No es un archivo normal: un enlace, una carpeta o un dispositivo tiene ese nombre.",
        "El sistema informa: %1."}},
  };
  const Texts& texts = kTexts[language.number() - 1];
  QString why = QString::fromUtf8(texts.reasons[reason]);
  if (reason == Other) why = why.arg(QString::fromLocal8Bit(std::strerror(error)));
  return QString::fromUtf8(texts.frame).arg(path, why);
}

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

Settings::Settings(QString folder) : folder_(std::move(folder)) {
  shared_ = kindOf(QDir(folder_).filePath(QString::fromLatin1(kSharedInstallationMarker))) !=
            FileKind::Missing;
  relocated_ = shared_ || !folderWritable(folder_);
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

bool Settings::installationWritable(const QString& folder) {
  return folderWritable(folder) &&
         kindOf(QDir(folder).filePath(QString::fromLatin1(kSharedInstallationMarker))) ==
             FileKind::Missing;
}

QString Settings::installationFilePath() const {
  return QDir(folder_).filePath(QString::fromLatin1(kFileName));
}

int Settings::value(int n) const {
  return n >= 1 && n <= kCount ? bytes_[n] : 0;
}

void Settings::setValue(int n, int v) {
  if (n >= 1 && n <= kCount) bytes_[n] = v & 0xFF;
}

Result Settings::readFrom(const QString& path) {
  QByteArray data;
  bool notRegular = false;
  if (const int error = readRegular(path, kCount + 1, &data, &notRegular))
    return notRegular ? notRegularFailure(path) : readFailure(path, error);
  for (int n = 1; n <= kCount && n < data.size(); ++n)
    bytes_[n] = static_cast<unsigned char>(data[n]);
  return {};
}

Result Settings::read() {
  // After the configuration folder failed, the settings of this run are the ones in memory.
  if (!canWrite_) return {};
  QString path = filePath();
  FileKind kind = kindOf(path);
  // A relocated installation starts its user's file from the installation's own, which names
  // the languages installed there. A shared installation has none of its own (one left there
  // would be somebody's settings).
  bool seed = false;
  if (relocated_ && !shared_ && kind == FileKind::Missing) {
    const FileKind installation = kindOf(installationFilePath());
    if (installation != FileKind::Missing) {
      seed = true;
      path = installationFilePath();
      kind = installation;
    }
  }
  removeLeftoverTemporaryFiles();
  if (kind == FileKind::Missing) return writeDefaults();
  if (kind == FileKind::Other) return notRegularFailure(path);
  if (Result r = readFrom(path); !r) return r;
  if (Result r = checkInstalledLanguages(path); !r) return r;
  bringIntoRange();
  return seed ? tellOnce(writeFile(true)) : Result();
}

Result Settings::checkInstalledLanguages(const QString& path) {
  for (int n = InstalledEn; n <= InstalledSp; ++n)
    if (flag(n)) return {};
  // Without a language there are no chapters to show and nothing to write back: say how the
  // languages are installed, in the stored interface language when the file names one.
  return Failure{ExitStatus::NoLanguage, MessageKind::Warning,
                 noLanguageMessage(interfaceLanguage(), path)};
}

void Settings::removeLeftoverTemporaryFiles() const {
  if (!folderWritable(fileFolder_)) return;
  // The names replaceFile() gives: the file's name, a dot and six characters.
  const QString prefix = QString::fromLatin1(kFileName) + QLatin1Char('.');
  const QDir folder(fileFolder_);
  for (const QString& name : folder.entryList({prefix + QStringLiteral("??????")},
                                              QDir::Files | QDir::Hidden | QDir::System)) {
    const QString path = folder.filePath(name);
    if (kindOf(path) == FileKind::Regular) ::unlink(encoded(path).constData());
  }
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
  const auto interface = orvik::Language::fromNumber(value(InterfaceLanguage));
  if (!interface || !installed(*interface)) bytes_[InterfaceLanguage] = firstInstalled;
  for (int n : {PronunciationLanguage, AutoPlayLanguage}) {
    const auto language = orvik::Language::fromNumber(value(n));
    if (!language || !hasSounds(*language)) bytes_[n] = firstSound ? firstSound : 255;
  }
  bytes_[AutoPlayPause] = std::clamp(bytes_[AutoPlayPause], kMinPause, kMaxPause);
  bytes_[FontSize] = std::clamp(bytes_[FontSize], kMinFontSize, kMaxFontSize);
}

QString Settings::noLanguageMessage(orvik::Language interfaceLanguage, const QString& filePath) {
  const char* text = nullptr;
  switch (interfaceLanguage.number()) {
    case orvik::Language::French:
      text =
          "Le fichier de réglages\r%1\rne désigne aucune langue installée.\r\r"
          "Installez les langues en lançant une fois le programme\ravec la ligne de commande "
          "d'installation : un argument par langue,\r0 anglais, 1 français, 5 russe, "
          "6 espagnol,\rsuivi de « s » quand ses sons sont installés.\r\r"
          "Par exemple, l'anglais avec ses sons et le russe sans :\r    orvik 0s 5";
      break;
    case orvik::Language::Russian:
      text =
          "В файле настроек\r%1\rне указан ни один установленный язык.\r\r"
          "Установите языки, запустив программу один раз\rс командной строкой установки: "
          "по одному аргументу на язык,\r0 английский, 1 французский, 5 русский, "
          "6 испанский,\rс буквой «s», если установлены его звуки.\r\r"
          "Например, английский со звуками и русский без звуков:\r    orvik 0s 5";
      break;
    case orvik::Language::Spanish:
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

Result Settings::writeDefaults() {
  bytes_ = kDefaults;
  return tellOnce(writeFile(true));
}

Result Settings::save() {
  if (controls_) controls_->copyControlsToSettings();
  bringIntoRange();
  return tellOnce(writeFile(false));
}

Result Settings::tellOnce(Result result) {
  if (result.ok() || result.failure().endsProgram()) return result;
  if (writeFailureTold_) return {};
  writeFailureTold_ = true;
  return result;
}

Result Settings::writeFailure(const QString& path, int error, bool notRegular) const {
  return Failure{ExitStatus::Normal, MessageKind::Warning,
                 writeFailureText(interfaceLanguage(), path, error, notRegular)};
}

Result Settings::writeFile(bool fresh) {
  if (!canWrite_) return {};
  if (relocated_ && (!QDir().mkpath(fileFolder_) || !folderWritable(fileFolder_))) {
    // Nowhere to keep the settings: say so once and go on with them in memory.
    canWrite_ = false;
    return writeFailure(filePath(), EACCES);
  }
  const QString path = filePath();
  QByteArray data(kCount + 1, '\0');
  mode_t mode = 0;
  const FileKind kind = kindOf(path, &mode);
  if (kind == FileKind::Other) return writeFailure(path, 0, true);
  // The file keeps its permission bits: a file made read-only stays read-only, and is replaced
  // all the same (the folder, not the file, decides).
  mode = kind == FileKind::Regular ? (mode & 0777) : newFileMode();
  if (!fresh && kind == FileKind::Regular) {
    bool notRegular = false;
    if (const int error = readRegular(path, 1 << 20, &data, &notRegular))
      return writeFailure(path, error, notRegular);
    if (data.size() < kCount + 1) data.append(QByteArray(kCount + 1 - data.size(), '\0'));
  }
  for (int n = 1; n <= kCount; ++n) data[n] = static_cast<char>(bytes_[n]);
  if (const int error = replaceFile(path, data, mode)) return writeFailure(path, error);
  return {};
}

Settings::CommandLine Settings::parseCommandLine(const QStringList& arguments) {
  CommandLine line;
  if (arguments.isEmpty()) return line;
  line.installation = true;
  // Each argument is a language digit (0 English, 1 French, 5 Russian, 6 Spanish), optionally
  // followed by "s" for a language with sounds, and names a language not named before. Any
  // other argument refuses the whole line before the file is touched: a digit that names no
  // language would install nothing under its place (an empty chapter list), a language named
  // twice would be shown twice, and characters after a valid argument would be dropped unseen.
  const QString usage = QStringLiteral(
      "\rEach argument is a language digit:\r0 English, 1 French, 5 Russian, 6 Spanish,\r"
      "optionally followed by \"s\" for its sounds;\reach language at most once.");
  const auto refuse = [&](const QString& fault) {
    line.refusal = Failure{ExitStatus::BadArgument, MessageKind::Warning, fault + usage};
    return line;
  };
  QList<int> named;
  for (const QString& arg : arguments) {
    const QString quoted = orvik::quotedArgument(arg);
    const bool digit = !arg.isEmpty() && arg[0] >= QLatin1Char('0') && arg[0] <= QLatin1Char('9');
    const bool sounds = arg.size() == 2 && arg[1] == QLatin1Char('s');
    if (!digit || (arg.size() > 1 && !sounds))
      return refuse(QStringLiteral("Invalid installation argument %1.").arg(quoted));
    const int slot = arg[0].digitValue();
    if (languageByteOfSlot(slot) == 255)
      return refuse(QStringLiteral("Installation argument %1 names no language.").arg(quoted));
    if (named.contains(slot))
      return refuse(
          QStringLiteral("Installation argument %1 names a language a second time.").arg(quoted));
    // Four languages at most, each once: a fifth argument has been refused above.
    line.installed[named.size()] = slot;
    line.sounds[named.size()] = sounds ? slot : -1;
    named << slot;
  }
  if (std::all_of(line.sounds.begin(), line.sounds.end(), [](int s) { return s == -1; }))
    line.refusal = Failure{ExitStatus::Silence, MessageKind::Information,
                           QStringLiteral("The rest is silence.")};
  return line;
}

Result Settings::applyCommandLine(const CommandLine& commandLine) {
  if (commandLine.refusal) return *commandLine.refusal;
  if (!commandLine.installation) {
    const Result r = read();
    installedList = listFromFlags(*this, InstalledEn);
    soundList = listFromFlags(*this, SoundEn);
    return r;
  }
  installedList = commandLine.installed;
  soundList = commandLine.sounds;
  const int installed = installedCount();
  const int sounds = soundCount();

  // Rewrite the installation bytes; the others keep what the file has. A new file takes the
  // defaults for the user's bytes, so that a fresh installation does not start with a pause of 0
  // seconds and 5-point articles, outside what the settings dialog offers. A relocated
  // installation starts from the installation's own file when its user has none yet.
  QString existing = filePath();
  if (relocated_ && !shared_ && kindOf(existing) == FileKind::Missing)
    existing = installationFilePath();
  const FileKind kind = kindOf(existing);
  if (kind == FileKind::Other) return notRegularFailure(existing);
  const bool freshFile = kind == FileKind::Missing;
  if (!freshFile) {
    if (Result r = readFrom(existing); !r) return r;
  } else {
    bytes_ = kDefaults;
  }
  for (int n : {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 18, 23, 24, 25, 26}) bytes_[n] = 0;
  constexpr int kSlots[4] = {0, 1, 5, 6};
  for (int code : installedList)
    for (int i = 0; i < 4; ++i)
      if (code == kSlots[i]) bytes_[ShownEn + (i < 2 ? i : i + 3)] = bytes_[InstalledEn + i] = 1;
  bytes_[InstalledCount] = installed;
  bytes_[InterfaceLanguage] = languageByteOfSlot(installedList[0]);
  const auto firstSound =
      std::find_if(soundList.begin(), soundList.end(), [](int code) { return code != -1; });
  bytes_[PronunciationLanguage] = bytes_[AutoPlayLanguage] =
      languageByteOfSlot(firstSound == soundList.end() ? -1 : *firstSound);
  for (int code : soundList)
    for (int i = 0; i < 4; ++i)
      if (code == kSlots[i]) bytes_[SoundEn + i] = 1;
  bytes_[SoundCount] = sounds;
  bytes_[OnClickFlag] = bytes_[AutoFlag] = 1;
  // The user's bytes the old file held are brought into range before they are written back.
  bringIntoRange();
  // A file that cannot be written leaves the installation in memory for this run.
  if (Result r = writeFile(freshFile || existing != filePath()); !r) return tellOnce(r);
  return read();
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

bool Settings::shown(orvik::Language language) const {
  return shownFlags_[size_t(language.number())];
}

bool Settings::installed(orvik::Language language) const {
  return flag(InstalledEn + language.number() - 1);
}

bool Settings::hasSounds(orvik::Language language) const {
  return flag(SoundEn + language.number() - 1);
}

orvik::Language Settings::interfaceLanguage() const {
  return orvik::Language::fromNumber(value(InterfaceLanguage)).value_or(orvik::Language::English);
}

std::optional<orvik::Language> Settings::pronunciationLanguage() const {
  return orvik::Language::fromNumber(value(PronunciationLanguage));
}

std::optional<orvik::Language> Settings::autoPlayLanguage() const {
  return orvik::Language::fromNumber(value(AutoPlayLanguage));
}
