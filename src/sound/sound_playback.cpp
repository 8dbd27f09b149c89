#include "sound/sound_playback.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "platform/file_paths.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table.h"
#include "platform/wave_device.h"
#include "platform/wave_player.h"
#include "schema/schema.h"
#include "schema/sound_names.h"

namespace {

using orvik::schema::kChapterCode;
using orvik::schema::kOrder;
using orvik::schema::kPageCode;

}  // namespace

SoundPlayback::SoundPlayback(TDMOrvik* data, orvik::WaveDevice* entryPlayer,
                             orvik::WavePlayer* wavePlayer)
    : data_(data), entryPlayer_(entryPlayer), wavePlayer_(wavePlayer) {}

QString SoundPlayback::chapterLetter(int chapterCode) {
  return orvik::sounds::chapterLetter(chapterCode);
}

QString SoundPlayback::pageNamePart(int pageCode) {
  return orvik::sounds::pageNamePart(pageCode);
}

QString SoundPlayback::entryName(int pageCode, int order) {
  return orvik::sounds::entryName(pageCode, order);
}

QString SoundPlayback::languageFolder(orvik::Language language) {
  return language.code().toString();
}

QString SoundPlayback::findSoundFile(const QString& currentDir, const orvik::OpticalDiscs* discs,
                                     const QString& languageFolder, const QString& rest) {
  QStringList parts{QStringLiteral("Sound"), languageFolder};
  parts << rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QStringList bases{currentDir};
  if (discs) bases << discs->mountPoints();
  for (const QString& base : bases) {
    if (base.isEmpty()) continue;
    const QString found = orvik::existingPath(base, parts);
    if (!found.isEmpty() && QFileInfo(found).isFile()) return found;
  }
  return {};
}

QString SoundPlayback::findFile(const QString& languageFolder, const QString& rest) const {
  // The language folder may be given as "En\" as the tables' callers write it.
  QString folder = languageFolder;
  folder.remove(QLatin1Char('\\')).remove(QLatin1Char('/'));
  return findSoundFile(data_->environment().currentDir, data_->environment().discs, folder, rest);
}

QString SoundPlayback::discMessage(orvik::Language interfaceLanguage) {
  switch (interfaceLanguage.number()) {
    case orvik::Language::English:
      return QStringLiteral(
          "Please make sure that the Orvik Demo disc is inserted\rin your CD-drive and try "
          "again.");
    case orvik::Language::Russian:
      return QStringLiteral(
          "Пожалуйста убедитесь, что диск \"Orvik Demo\"\rнаходится в приводе CD-ROM, и "
          "попробуйте \rпроиграть звук снова.");
    case orvik::Language::French:
      return QStringLiteral(
          "Veuillez vérifier que le disque Orvik Demo est inséré\rdans votre lecteur de CD "
          "et réessayez.");
    case orvik::Language::Spanish:
      return QStringLiteral(
          "Asegúrese de que el disco Orvik Demo está insertado\ren su unidad de CD y "
          "vuelva a intentarlo.");
    default:
      return {};
  }
}

QString SoundPlayback::damagedMessage(orvik::Language interfaceLanguage, const QString& file) {
  switch (interfaceLanguage.number()) {
    case orvik::Language::French:
      return QStringLiteral(
                 "L'enregistrement\r%1\rest endommagé et ne peut pas être lu.\rVeuillez "
                 "réinstaller le programme ou contacter votre revendeur.")
          .arg(file);
    case orvik::Language::Russian:
      return QStringLiteral(
                 "Запись\r%1\rповреждена, и её нельзя воспроизвести.\rПожалуйста, "
                 "переустановите программу или обратитесь к продавцу.")
          .arg(file);
    case orvik::Language::Spanish:
      return QStringLiteral(
                 "La grabación\r%1\restá dañada y no se puede reproducir.\rVuelva a instalar "
                 "el programa o póngase en contacto con su proveedor.")
          .arg(file);
    default:
      return QStringLiteral(
                 "The recording\r%1\ris damaged and cannot be played.\rPlease reinstall the "
                 "program or contact your vendor.")
          .arg(file);
  }
}

bool SoundPlayback::reportDamaged(const QString& file) {
  // A recording that decodes but did not play (no sound output) is not damaged.
  const std::optional<orvik::WaveData> wave = orvik::readWave(file, false);
  if (wave && wave->frames > 0) return false;
  const StartupEnvironment& env = data_->environment();
  if (env.messages)
    env.messages->show(
        orvik::MessageKind::Warning,
        damagedMessage(data_->settings().interfaceLanguage(), QDir::toNativeSeparators(file)));
  return true;
}

void SoundPlayback::soundMissing() {
  const StartupEnvironment& env = data_->environment();
  // Only an installation on disk expects its sounds on the disc.
  const QString hitMap = orvik::existingPath(
      env.currentDir, {QStringLiteral("ODatabase"), orvik::schema::PctInfo::kFile});
  if (hitMap.isEmpty() || !QFileInfo(hitMap).isFile()) return;
  const QString text = discMessage(data_->settings().interfaceLanguage());
  if (!text.isEmpty() && env.messages) env.messages->show(orvik::MessageKind::Information, text);
}

SoundPlayback::EntrySound SoundPlayback::playEntry(orvik::EntryRef entry, orvik::Language language,
                                                   bool reportDamage) {
  orvik::DictionaryModel& dictionary = data_->dictionary();
  QString rest;
  // A language that is not installed has nothing to pronounce.
  if (!data_->guarded([&] {
        if (dictionary.hasLanguage(language)) rest = dictionary.soundFile(entry);
      }) ||
      rest.isEmpty())
    return EntrySound::NoTable;
  const QString file = findFile(language.code().toString(), rest);
  if (file.isEmpty()) {
    if (follower_) {
      follower_->setIdle();
      follower_->stopAutoPlaying();
    }
    soundMissing();
    return EntrySound::Missing;
  }
  // A file cut short after its header decodes to nothing: as unplayable as one that does not
  // decode at all.
  if (!entryPlayer_->open(file) || entryPlayer_->length() <= 0) {
    entryPlayer_->close();
    unplayable_ = file;
    // The file is there, so the disc message would mislead; the panel goes on without it.
    if (follower_) follower_->soundUnplayable();
    if (reportDamage) reportDamaged(unplayable_);
    return EntrySound::Unplayable;
  }
  if (follower_) follower_->clearProgress();
  entryPlayer_->play(0);
  if (follower_) follower_->startTracking();
  return EntrySound::Played;
}

SoundPlayback::EntrySound SoundPlayback::playEntrySound(orvik::Language language,
                                                        bool reportDamage) {
  orvik::Table* wordNames = data_->tblWordName(language);
  if (!wordNames || !wordNames->active()) return EntrySound::NoTable;
  orvik::EntryRef entry;
  if (!data_->guarded([&] {
        if (wordNames->isEmpty()) return;
        entry = {wordNames->intValue(kPageCode), wordNames->intValue(kOrder)};
      }))
    return EntrySound::NoTable;
  return playEntry(entry, language, reportDamage);
}

bool SoundPlayback::playName(const QString& languageFolder, const QString& name) {
  const QString file =
      findFile(languageFolder, QStringLiteral("Chpg/") + name + QStringLiteral(".wav"));
  if (file.isEmpty()) {
    soundMissing();
    return false;
  }
  if (wavePlayer_->playWave(file, orvik::WavePlayer::Mode::Asynchronous)) return true;
  reportDamaged(file);
  return false;
}

bool SoundPlayback::playPageNameSound() {
  const orvik::Language language = data_->settings().interfaceLanguage();
  orvik::Table* pages = data_->tblPageName(language);
  if (!pages || !pages->active()) return false;
  int pageCode = 0;
  if (!data_->guarded([&] { pageCode = pages->intValue(kPageCode); })) return false;
  return playName(languageFolder(language), pageSoundName(pageCode));
}

bool SoundPlayback::playChapterNameSound(const QString& chapterCaption) {
  const orvik::Language language = data_->settings().interfaceLanguage();
  orvik::Table* chapters = data_->tblChapter(language);
  if (!chapters || !chapters->active()) return false;
  bool found = false;
  int chapter = 0;
  const bool ok = data_->guarded([&] {
    chapters->setIndexName(orvik::schema::Chapter::kIndChapter);
    found = chapters->findKey({chapterCaption.trimmed()});
    if (found) chapter = chapters->intValue(kChapterCode);
  });
  if (!ok) return false;
  if (!found) return true;
  return playName(languageFolder(language), chapterSoundName(chapter));
}

void SoundPlayback::stopSound() {
  if (!entryPlayer_->isOpen()) return;
  entryPlayer_->stop();
  if (follower_) {
    follower_->stopTracking();
    follower_->clearProgress();
  }
}

void SoundPlayback::silence() {
  wavePlayer_->playWave(QString(), orvik::WavePlayer::Mode::Asynchronous);
}

void SoundPlayback::playInterfaceSound(const QString& file) {
  if (data_->settings().value(Settings::SoundEffects) != 1) return;
  const QString path = orvik::existingPath(data_->environment().currentDir, {file});
  // A missing interface sound gives the system's default sound, as the system call does.
  if (path.isEmpty() || !wavePlayer_->playWave(path, orvik::WavePlayer::Mode::Synchronous))
    QApplication::beep();
}

void SoundPlayback::playClickSound() {
  playInterfaceSound(QStringLiteral("1.wav"));
}

void SoundPlayback::playPageTurnSound() {
  playInterfaceSound(QStringLiteral("2.wav"));
}
