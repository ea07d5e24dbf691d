#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace colvexa::ui {

// Lets screen readers read every label: a static text whose name is the caption. Installed
// with QAccessible::installFactory; answers for TLabel objects only.
QAccessibleInterface* LabelAccessibleFactory(const QString& className, QObject* object);

}  // namespace colvexa::ui
