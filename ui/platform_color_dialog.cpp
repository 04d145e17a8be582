#include "ui/platform_color_dialog.h"

#include <QColorDialog>

namespace kurobi {

std::optional<ColorRef> ColorChooser::Choose(QWidget* parent) {
    QColorDialog dialog(ToQColor(last_), parent);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    last_ = ToColorRef(dialog.selectedColor());
    return last_;
}

}  // namespace kurobi
