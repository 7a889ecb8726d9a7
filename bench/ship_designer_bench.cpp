// The designer works every figure out again and brings every control in step on
// each keystroke; this is what one keystroke costs on a large armed design.

#include "ships/ui/ship_designer_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <benchmark/benchmark.h>

namespace {

void BM_DesignerKeystroke(benchmark::State& state) {
    velmora::ships::ShipDesignerWindow window(nullptr, std::nullopt);
    auto* tonnage = window.findChild<QSpinBox*>(QStringLiteral("tonnage"));
    auto* addMount = window.findChild<QPushButton*>(QStringLiteral("addWeaponMount"));
    window.findChild<QCheckBox*>(QStringLiteral("hasJumpDrive"))->click();
    tonnage->setValue(2000);
    for (int mount = 0; mount < 20; ++mount)
        addMount->click();
    int value = 2000;
    for (auto _ : state) {
        value = value == 2000 ? 2001 : 2000;
        tonnage->setValue(value);
    }
}
BENCHMARK(BM_DesignerKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
