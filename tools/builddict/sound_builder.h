#pragma once
// The installation's sounds: every entry, page name and chapter name spoken in each language by
// espeak-ng (several speakers at once), and the two interface sounds, a click ("1.wav") and a
// page-turn swish ("2.wav"), synthesised here. All files are 16-bit mono PCM wave files.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace builddict {

struct SpeechJob {
  QString voice;  // espeak-ng voice: en, fr, ru, es
  QString text;
  QString path;  // the wave file to write
};

class SoundBuilder {
 public:
  // True when the espeak-ng program can be started.
  static bool speakerAvailable();

  // Speaks every job into its file, `parallel` speakers at a time (0: two a processor core),
  // reporting progress as (done, total). Returns false and sets `error` on the first failure.
  bool speak(const QList<SpeechJob>& jobs, int parallel, QString* error,
             const std::function<void(int, int)>& progress = {});

  // Keeping the sounds of the last build. A folder's manifest records the voice and text of
  // every file spoken into it. takeSpokenFolder() returns the jobs whose file is missing or was
  // spoken from another text, removes the files no job names any more, and removes the manifest
  // (so an interrupted build keeps nothing it cannot vouch for); recordSpokenFolder() writes it
  // again once every job is done.
  static QList<SpeechJob> takeSpokenFolder(const QString& folder, const QList<SpeechJob>& jobs);
  static bool recordSpokenFolder(const QString& folder, const QList<SpeechJob>& jobs,
                                 QString* error);

  // A 16-bit mono PCM wave file of the given samples.
  static QByteArray waveFile(const QList<qint16>& samples, int sampleRate);
  // A short soft click, about 25 milliseconds.
  static QByteArray clickSound();
  // A page-turn swish, about 350 milliseconds of shaped noise (fixed seed).
  static QByteArray pageTurnSound();
};

}  // namespace builddict
