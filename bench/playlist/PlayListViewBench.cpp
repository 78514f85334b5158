// The playlist view with 100,000 entries: the first paint, one wheel step,
// Page Down, and select all followed by Delete, each including the repaint
// it causes, in process CPU time; and the memory the view adds to the
// model's (resident size before and after the view is made and painted).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWheelEvent>

#include <memory>

#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListView.h"
#include "../ResidentSize.h"

namespace {

constexpr int kListSize = 100'000;
const QSize kViewSize(268, 167);  // the list of a window at its default size

QStringList ManyEntries() {
  QStringList entries;
  entries.reserve(kListSize);
  for (int i = 0; i < kListSize; ++i) {
    entries.append(GeneralFunctions::BuildPlayListEntry(
        QStringLiteral("/home/listener/Music/Artist %1/artist %1 - Song number %2.mp3").arg(i % 700).arg(i)));
  }
  return entries;
}

struct ListUnderTest {
  PlayListModel model;
  GeneralFunctions::TPLDisplayOptions options = GeneralFunctions::doSongArtistTitle;
  std::unique_ptr<PlayListView> view;

  ListUnderTest() {
    model.ReplaceEntries(ManyEntries());
    model.CurrentSongIndex = 3;
    NewView();
  }
  void NewView() {
    view = std::make_unique<PlayListView>(model, options, nullptr);
    view->resize(kViewSize);
    model.ListChanged = [this] { view->ModelChanged(); };
  }
  void Paint() { benchmark::DoNotOptimize(view->grab()); }
  void Send(QEvent& event) { QCoreApplication::sendEvent(view.get(), &event); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    Send(event);
  }
};


void FirstPaint(benchmark::State& state) {
  ListUnderTest list;
  for (auto _ : state) {
    state.PauseTiming();
    list.NewView();
    state.ResumeTiming();
    list.Paint();
  }
}

void WheelStep(benchmark::State& state) {
  ListUnderTest list;
  list.view->SetTopIndex(kListSize / 2);
  int direction = -120;
  for (auto _ : state) {
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, {0, direction}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    list.Send(wheel);
    list.Paint();
    direction = -direction;
  }
}

void PageDown(benchmark::State& state) {
  ListUnderTest list;
  for (auto _ : state) {
    list.Key(Qt::Key_PageDown);
    list.Paint();
    if (list.model.ItemIndex == kListSize - 1) list.Key(Qt::Key_Home);
  }
}

void SelectAllThenDelete(benchmark::State& state) {
  const QStringList entries = ManyEntries();
  ListUnderTest list;
  for (auto _ : state) {
    state.PauseTiming();
    list.model.ReplaceEntries(entries);
    state.ResumeTiming();
    list.Key(Qt::Key_A, Qt::ControlModifier);
    list.Key(Qt::Key_Delete);
    list.Paint();
  }
}

void ViewMemory(benchmark::State& state) {
  long added = 0;
  for (auto _ : state) {
    PlayListModel model;
    model.ReplaceEntries(ManyEntries());
    GeneralFunctions::TPLDisplayOptions options = GeneralFunctions::doFullSongFileName;
    {
      // Qt's font system loads at the first text drawn in the process; that
      // is not the view's memory.
      PlayListModel small;
      small.ReplaceEntries(ManyEntries().mid(0, 50));
      PlayListView warmUp(small, options, nullptr);
      warmUp.resize(kViewSize);
      benchmark::DoNotOptimize(warmUp.grab());
    }
    const long before = ResidentKiB();
    PlayListView view(model, options, nullptr);
    view.resize(kViewSize);
    for (int top = 0; top < kListSize; top += kListSize / 10) {
      view.SetTopIndex(top);
      benchmark::DoNotOptimize(view.grab());
    }
    added = ResidentKiB() - before;
  }
  state.counters["view_KiB"] = static_cast<double>(added);
}

}  // namespace

BENCHMARK(FirstPaint)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(20);
BENCHMARK(WheelStep)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(200);
BENCHMARK(PageDown)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(200);
BENCHMARK(SelectAllThenDelete)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(5);
BENCHMARK(ViewMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
