#include "ui/FormStyle.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace vindel {

void ApplyFormStyle(QWidget& form) {
    form.setWindowTitle("Vindel");
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, Qt::white);
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    QFont font("Tahoma");
    font.setPixelSize(11);
    form.setFont(font);
}

}  // namespace vindel
