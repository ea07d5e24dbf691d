#include "ui/framework/label_accessible.h"

#include <QAccessibleWidget>

#include "ui/framework/label.h"

namespace colvexa::ui {
namespace {

class TLabelAccessible final : public QAccessibleWidget {
public:
    explicit TLabelAccessible(TLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const std::string& caption = static_cast<const TLabel*>(object())->Caption();
            return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
        }
        return QAccessibleWidget::text(t);
    }
};

}  // namespace

QAccessibleInterface* LabelAccessibleFactory(const QString&, QObject* object) {
    // TLabel has no meta-object of its own, so the class name Qt passes says "QWidget".
    auto* label = dynamic_cast<TLabel*>(object);
    return label != nullptr ? new TLabelAccessible(label) : nullptr;
}

}  // namespace colvexa::ui
