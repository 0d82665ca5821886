// SPDX-License-Identifier: MIT
// The yardstick of Vindel's start on Linux (StartupBenchmark.cpp): a bare Qt
// window of the main window's size, place, caption and white background,
// with none of Vindel's code, built the same way.
//
// Built with VINDEL_WITH_TEXT, it also shows one line of text in Calibri:
// what Qt's font system (fontconfig and FreeType, set up on the first text
// drawn) costs any window with text, before anything of Vindel's own.
#include <QApplication>
#include <QPalette>
#include <QWidget>
#ifdef VINDEL_WITH_TEXT
#include <QLabel>
#endif

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
#ifdef VINDEL_WITH_TEXT
    QLabel text(QStringLiteral("Ethernet switch Model:"), &window);
    QFont font(QStringLiteral("Calibri"));
    font.setPixelSize(19);
    text.setFont(font);
    text.move(45, 90);
#endif
    window.show();
    return QApplication::exec();
}
