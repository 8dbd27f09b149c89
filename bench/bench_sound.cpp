// Sound speed through a real sound server (run it with one: XDG_RUNTIME_DIR pointing at a
// PulseAudio with a null sink, as scripts/test.sh starts; medians over the repetitions):
//  - BM_SoundButtonToFirstSample: from an entry sound button's press to the entry's first sample
//    at the null sink's monitor;
//  - BM_AutoPlayGapAtOneSecond: with a pause of 1 second, the silence at the sink between one
//    entry's sound and the next one's.
// Both are measured on the monitor's recording (8000 Hz, mono) and corrected for the quiet the
// recordings themselves begin and end with; the monitor's own latency (about 10 ms) is included
// in the first figure. The installation is ORVIK_BENCH_INSTALLATION, else the demo in
// build/dist, else the small test installation with sounds; it is copied (sounds linked) into a
// temporary folder, since the program writes its settings file there.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "bench_support.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_track_bar.h"
#include "lang/settings_dialog.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table.h"
#include "platform/wave_device.h"
#include "program/startup.h"
#include "program/wiring.h"
#include "schema/schema.h"
#include "sound/auto_play_panel.h"
#include "sound/main_window_sound.h"

namespace {

constexpr int kRate = 8000;  // the monitor's recording
constexpr int kLoud = 300;   // a sample above this is sound, not silence
constexpr int kGapMs = 300;  // quiet this long parts two entries (words pause less)

void copyLinkingSounds(const QString& from, const QString& to) {
  copyWithoutSounds(from, to);
  QFile::link(from + QStringLiteral("/Sound"), to + QStringLiteral("/Sound"));
}

// The quiet a recording begins and ends with, in ms.
struct Quiet {
  double lead = 0, trail = 0;
};
Quiet quietOf(const QString& file) {
  const std::optional<orvik::WaveData> wave = orvik::readWave(file, true);
  if (!wave || wave->frames <= 0) return {};
  const auto* s = reinterpret_cast<const qint16*>(wave->pcm16.constData());
  const qint64 frames = wave->pcm16.size() / 2 / wave->channels;
  qint64 first = -1, last = -1;
  for (qint64 f = 0; f < frames; ++f)
    if (std::abs(s[f * wave->channels]) > kLoud) {
      if (first < 0) first = f;
      last = f;
    }
  if (first < 0) return {};
  return {first * 1000.0 / wave->sampleRate, (frames - 1 - last) * 1000.0 / wave->sampleRate};
}

// The null sink's monitor, read as a continuous count of samples.
class Monitor {
 public:
  Monitor() {
    parec_.start(QStringLiteral("parec"), {"-d", "null.monitor", "--raw", "--format=s16le",
                                           "--rate=8000", "--channels=1", "--latency-msec=10"});
    parec_.waitForStarted(5000);
  }
  ~Monitor() {
    parec_.terminate();
    if (!parec_.waitForFinished(3000)) parec_.kill();
  }
  bool running() const { return parec_.state() == QProcess::Running; }
  // Reads what has arrived; calls `sample(index, loud)` for each new sample.
  template <typename F>
  void read(F&& sample) {
    parec_.waitForReadyRead(1);
    pending_ += parec_.readAllStandardOutput();
    qsizetype i = 0;
    for (; i + 1 < pending_.size(); i += 2) {
      const qint16 v = qint16(quint8(pending_[i]) | (quint8(pending_[i + 1]) << 8));
      sample(count_++, std::abs(v) > kLoud);
    }
    pending_.remove(0, i);
  }

 private:
  QProcess parec_;
  QByteArray pending_;
  qint64 count_ = 0;
};

struct SoundBench {
  QTemporaryDir dir;
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  TForm1* w = nullptr;
  TfrmTrackAutoPlay* panel = nullptr;
  orvik::WaveDevice* player = nullptr;
  bool ok = false;

  SoundBench() {
    if (!orvik::soundServerAnswers()) return;
    copyLinkingSounds(sourceInstallation(), dir.path());
    w = startShown(program, benchEnvironment(dir.path(), &discs, &messages));
    if (!w) return;
    TDMOrvik* dm = program->dataModule();
    dm->settings().setValue(Settings::SoundEffects, 0);
    panel = program->parts().autoPlayPanel;
    player = program->parts().sound->entryPlayer();
    program->parts().settingsDialog->TrackBarPause->setPosition(1);
    // The page with the most entries, in English.
    int bestCount = 0;
    const int bestPage = busiestPageCode(dm, &bestCount);
    w->showPage(bestPage);
    panel->showPanel();
    QApplication::processEvents();
    ok = bestCount >= 3 && w->paneHasText(orvik::Language::English);
  }
};

std::unique_ptr<SoundBench> theBench;
SoundBench& bench() {
  if (!theBench) theBench = std::make_unique<SoundBench>();
  return *theBench;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void pump() {
  QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

void BM_SoundButtonToFirstSample(benchmark::State& state) {
  SoundBench& b = bench();
  if (!b.ok) {
    state.SkipWithError("no sound server, or no page to play (see the file's comment)");
    return;
  }
  Monitor monitor;
  if (!monitor.running()) {
    state.SkipWithError("parec did not start");
    return;
  }
  std::vector<double> all;
  for (auto _ : state) {
    // Silence first: the previous sound ended and the monitor has gone quiet for a while.
    b.w->btnNextWordClick();
    if (!testControls(b.w).btnNextWord->isEnabled()) b.panel->btnFirstClick();
    qint64 quietSince = -1;
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 5000) {
      bool loud = false;
      monitor.read([&](qint64 i, bool l) {
        if (l)
          loud = true, quietSince = -1;
        else if (quietSince < 0)
          quietSince = i;
      });
      pump();
      if (!loud && quietSince >= 0 && settle.elapsed() > 300) break;
    }
    // The clock starts at the press of the English pane's sound button (what its click runs).
    QElapsedTimer t;
    t.start();
    b.w->PronounceEntry(orvik::Language::English);
    const QString file = b.player->fileName();
    bool heard = false;
    while (!heard && t.elapsed() < 5000) {
      monitor.read([&](qint64, bool l) { heard = heard || l; });
      pump();
    }
    const double lead = quietOf(file).lead;
    const double ms = std::max(0.0, t.nsecsElapsed() / 1e6 - lead);
    state.SetIterationTime(ms / 1000.0);
    if (!heard) {
      state.SkipWithError("nothing reached the sink");
      break;
    }
    all.push_back(ms);
  }
  state.counters["median_ms"] = median(all);
  state.counters["max_ms"] = all.empty() ? 0 : *std::max_element(all.begin(), all.end());
}
BENCHMARK(BM_SoundButtonToFirstSample)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

void BM_AutoPlayGapAtOneSecond(benchmark::State& state) {
  SoundBench& b = bench();
  if (!b.ok) {
    state.SkipWithError("no sound server, or no page to play (see the file's comment)");
    return;
  }
  Monitor monitor;
  // Segments of sound at the sink and the files playing at the time.
  QString playing, previous;
  qint64 lastLoud = -1;
  bool inGap = false;
  const auto restart = [&] {
    b.panel->btnStopAutoPlayClick();
    b.panel->btnFirstClick();
    b.panel->btnStopAutoPlayClick();
    b.panel->btnAutoPlayClick();
    lastLoud = -1;
    inGap = false;
  };
  restart();
  std::vector<double> all;
  for (auto _ : state) {
    double gapMs = -1;
    QElapsedTimer t;
    t.start();
    while (gapMs < 0 && t.elapsed() < 10000) {
      pump();
      if (!b.w->autoPlayRunning()) restart();
      const QString now = b.player->fileName();
      if (now != playing) previous = playing, playing = now;
      monitor.read([&](qint64 i, bool loud) {
        if (!loud) {
          if (lastLoud >= 0 && (i - lastLoud) * 1000 / kRate >= kGapMs) inGap = true;
          return;
        }
        if (inGap && gapMs < 0) {
          const double quietMs = double(i - lastLoud) * 1000.0 / kRate;
          gapMs = quietMs - quietOf(previous).trail - quietOf(playing).lead;
        }
        inGap = false;
        lastLoud = i;
      });
    }
    if (gapMs < 0) {
      state.SkipWithError("no gap was heard");
      break;
    }
    state.SetIterationTime(gapMs / 1000.0);
    all.push_back(gapMs);
  }
  b.panel->btnStopAutoPlayClick();
  state.counters["median_ms"] = median(all);
  if (!all.empty()) {
    state.counters["min_ms"] = *std::min_element(all.begin(), all.end());
    state.counters["max_ms"] = *std::max_element(all.begin(), all.end());
  }
}
BENCHMARK(BM_AutoPlayGapAtOneSecond)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv, [] { theBench.reset(); });
}
