#pragma once
// The log window: the lines the main window collected when it first showed
// (its command line, the viewer and filer windows found), read-only.
#include "PlacedDialog.h"

#include <QStringList>

namespace quillon {

class TMemoExDark;

class TFormLog : public PlacedDialog {
    Q_OBJECT
public:
    TFormLog(bool japanese, const QStringList &log, QWidget *parent = nullptr);
    ~TFormLog() override;

    [[nodiscard]] TMemoExDark *memo() const { return MemoLog; }

private:
    TMemoExDark *MemoLog = nullptr;
};

} // namespace quillon
