#pragma once
// The hints a window shows when the pointer comes over a control, by the
// control's name. Every control of an indexed group ("Text1(3)") shares the
// hint of its group name ("Text1").

#include <QObject>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

namespace tracol {

class HintTable {
  public:
    HintTable(std::initializer_list<std::pair<QString, QString>> hints) : hints_(hints) {}

    // The hint of the control, empty when it has none.
    QString hintFor(const QObject* control) const {
        QString name = control ? control->objectName() : QString();
        if (const qsizetype bracket = name.indexOf(u'('); bracket > 0)
            name.truncate(bracket);
        for (const auto& [controlName, hint] : hints_)
            if (controlName == name)
                return hint;
        return QString();
    }

  private:
    std::vector<std::pair<QString, QString>> hints_;
};

} // namespace tracol
