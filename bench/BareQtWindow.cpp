// SPDX-License-Identifier: MIT
// The yardstick of Vindel's start on Linux (StartupBenchmark.cpp): a bare Qt
// window of the main window's size, place, caption and white background,
// with none of Vindel's code, built the same way.
#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vindel"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(969, 669);
    window.move(200, 0);
    window.show();
    return QApplication::exec();
}
