// SPDX-License-Identifier: MIT
// Draws Vindel's two windows as the operator sees them and saves them as
// PNG files for the documentation. Run it under a real display (the script
// scripts/screenshots.sh starts one with Xvfb), in a scratch directory.
//
//   vindel-screenshots OUTPUT_DIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "common/MatrixSetup.h"
#include "ui/Application.h"
#include "ui/Diagram.h"
#include "ui/Program.h"
#include "ui/Telnet.h"
#include "ui/qt/QtToolkit.h"
#include "ui/qt/Widgets.h"

namespace {

bool Save(QWidget& window, const QString& path) {
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowExposed(&window);
    QTest::qWait(300);  // let the window system finish drawing
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vindel-screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    vindel::qt::QtToolkit toolkit(qt);
    vindel::TApplication application(toolkit);
    vindel::CreateWindows(application);
    using vindel::Form1;
    using vindel::Form2;
    using vindel::qt::WidgetOf;

    bool ok = Save(WidgetOf(*Form1), out.filePath("main-window.png"));

    // A model and counts chosen, as the operator would before "Connect".
    WidgetOf<QComboBox>(*Form1->Probox).setCurrentIndex(0);
    Form1->ProboxChange(Form1->Probox);
    WidgetOf<QComboBox>(*Form1->In_box).setCurrentIndex(3);
    Form1->In_boxChange(Form1->In_box);
    WidgetOf<QComboBox>(*Form1->outbox).setCurrentIndex(3);
    Form1->outboxChange(Form1->outbox);
    ok = Save(WidgetOf(*Form1), out.filePath("main-window-model.png")) && ok;

    vindel::MatrixSetup.InputCount = 4;
    vindel::MatrixSetup.OutputCount = 4;
    ok = Save(WidgetOf(*Form2), out.filePath("diagram-window.png")) && ok;
    return ok ? 0 : 1;
}
