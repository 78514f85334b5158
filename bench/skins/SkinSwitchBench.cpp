// Switching to a Winamp skin archive (unpacking, cutting every sprite into the
// three windows) in process CPU time, and the resident size after 200
// switches between two archives compared with the size before them. The
// archives pack the shipped base skin in the Winamp layout.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "SkinTestSupport.h"
#include "app/Forms.h"
#include "skins/SkinUnit.h"
#include "skins/WinampSkinLoader.h"
#include "../ResidentSize.h"

namespace {

QString archives[2];


void SwitchToArchive(benchmark::State& state) {
  int next = 0;
  for (auto _ : state) {
    SkinUnit::SwitchToSkin(archives[next]);
    next = 1 - next;
  }
}

void MemoryAfter200Switches(benchmark::State& state) {
  long before = 0;
  long after = 0;
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) SkinUnit::SwitchToSkin(archives[i % 2]);
    before = ResidentKiB();
    for (int i = 0; i < 200; ++i) SkinUnit::SwitchToSkin(archives[i % 2]);
    after = ResidentKiB();
  }
  state.counters["before_KiB"] = static_cast<double>(before);
  state.counters["growth_KiB"] = static_cast<double>(after - before);
}

}  // namespace

BENCHMARK(SwitchToArchive)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(50);
BENCHMARK(MemoryAfter200Switches)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  QFile::link(QStringLiteral(SOLVANE_PROGRAM_FOLDER "/skins"), home.filePath(QStringLiteral("skins")));
  qputenv("SOLVANE_HOME", QFile::encodeName(home.path()));
  QApplication app(argc, argv);
  CreateForms();
  SkinUnit::InitializeVariablesForAllSkins();
  const auto files = SkinTests::FolderFiles(SkinUnit::WinampBaseSkinPath());
  for (int i = 0; i < 2; ++i) {
    archives[i] = home.filePath(QStringLiteral("Base%1.wsz").arg(i));
    SkinTests::WriteBytes(archives[i], SkinTests::ZipArchive(files));
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  DestroyForms();
  return 0;
}
