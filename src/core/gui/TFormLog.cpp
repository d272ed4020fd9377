#include "TFormLog.h"

#include "TMemoExDark.h"
#include "TextBuffer.h"

#include <QVBoxLayout>

namespace quillon {

TFormLog::TFormLog(bool japanese, const QStringList &log, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormLog"), QStringLiteral("Log.txt"), japanese, parent, Placing::BySelf)
{
    setWindowTitle(QString::fromUtf16(u"ログ表示"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumSize(800, 600);

    MemoLog = new TMemoExDark(this);
    MemoLog->setObjectName(QStringLiteral("MemoLog"));
    MemoLog->setWrapMode(TMemoExDark::WrapMode::NoWrap);
    MemoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Four average character widths.
    MemoLog->setTabStopDialogUnits(16);
    TextSink sink;
    for (const QString &line : log) {
        for (QChar c : line)
            sink.put(c.unicode());
        sink.put(u'\r');
        sink.put(u'\n');
    }
    MemoLog->setBuffer(std::make_shared<const TextBuffer>(sink.finish()));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(MemoLog);
    resize(800, 600);
}

TFormLog::~TFormLog() = default;

} // namespace quillon
