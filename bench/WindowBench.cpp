// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

// The main window's costs a person can feel: opening it, one convert, one more report block.
#include "mainwindow/MainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

void createMainForm(benchmark::State& state) {
    for (auto _ : state) {
        quantell::MainForm form; // builds the 86 controls and runs the load steps
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(createMainForm)->Unit(benchmark::kMillisecond);

void convertCommand(benchmark::State& state) {
    quantell::MainForm form;
    form.show();
    form.findChild<QLineEdit*>("Num(0)")->setText("5");
    form.findChild<QLineEdit*>("Num(1)")->setText("3");
    auto* convert = form.findChild<QPushButton*>("ComChange");
    for (auto _ : state)
        convert->click();
}
BENCHMARK(convertCommand)->Unit(benchmark::kMicrosecond);

void reportBlockAfter1000(benchmark::State& state) {
    quantell::MainForm form;
    form.show(); // the box lays out what it shows
    auto* text = form.findChild<QPushButton*>("ComText");
    for (int i = 0; i < 1000; ++i)
        text->click();
    for (auto _ : state)
        text->click();
}
BENCHMARK(reportBlockAfter1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
