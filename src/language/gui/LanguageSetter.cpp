#include "LanguageSetter.h"

#include "IniFile.h"
#include "MessageService.h"
#include "LanguageFile.h"
#include "LineSplitter.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace quillon {

namespace {

// How many entries a cleared list has been given back so far.
const char *const itemCountProperty = "languageItemCount";

int tagNumber(const QString &StrTag)
{
    bool ok = false;
    const int n = StrTag.toInt(&ok);
    return ok ? n : -1;
}

// The objects a window owns, in creation order: its children and theirs, but
// not what belongs to another window parented to it (a dialog has its own
// language file and its own tags). Drop-down menus are windows of their own
// in Qt yet part of the window whose menu they are.
void collectOwned(const QObject *parent, QList<QObject *> &out)
{
    for (QObject *child : parent->children()) {
        if (child->isWidgetType()) {
            const auto *w = static_cast<const QWidget *>(child);
            if (w->isWindow() && !qobject_cast<const QMenu *>(w))
                continue;
        }
        out.append(child);
        collectOwned(child, out);
    }
}

QList<QObject *> ownedObjects(const QWidget *form)
{
    QList<QObject *> out;
    if (form)
        collectOwned(form, out);
    return out;
}

template <typename Match>
QObject *findTagged(QWidget *form, const QString &StrTag, Match match)
{
    const int tag = tagNumber(StrTag);
    if (!form || tag < 0)
        return nullptr;
    const QList<QObject *> all = ownedObjects(form);
    for (QObject *o : all) {
        if (LanguageSetter::tagOf(o) == tag && match(o))
            return o;
    }
    return nullptr;
}

bool isRadioGroup(const QObject *o)
{
    return qobject_cast<const QGroupBox *>(o) && o->property("radioGroup").toBool();
}

QList<QRadioButton *> radioItems(QGroupBox *group)
{
    return group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
}

// The tab widget a page belongs to, when the widget is a tab page.
QTabWidget *tabOwner(QWidget *page)
{
    QWidget *stack = page->parentWidget();
    if (!qobject_cast<QStackedWidget *>(stack))
        return nullptr;
    auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
    return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

bool setsCaption2(const QObject *o)
{
    if (qobject_cast<const QLabel *>(o) || qobject_cast<const QAbstractButton *>(o) || qobject_cast<const QGroupBox *>(o))
        return true;
    auto *w = qobject_cast<const QWidget *>(o);
    return w && tabOwner(const_cast<QWidget *>(w));
}

// Index of the next entry of a list: after a clear it counts from 0.
int nextItemIndex(QObject *list, int existing)
{
    const QVariant v = list->property(itemCountProperty);
    const int index = v.isValid() ? v.toInt() : existing;
    list->setProperty(itemCountProperty, index + 1);
    return index;
}

} // namespace

int LanguageSetter::tagOf(const QObject *object)
{
    if (!object)
        return -1;
    const QVariant v = object->property("tag");
    if (!v.isValid())
        return -1;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : -1;
}

void LanguageSetter::SetMenuCaption(QWidget *form, const QString &StrTag, const QString &text)
{
    if (auto *a = qobject_cast<QAction *>(findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QAction *>(o); })))
        a->setText(text);
}

void LanguageSetter::SetLabelButtonPanelTabsheetGroupboxCaption(QWidget *form, const QString &StrTag, const QString &text)
{
    const int tag = tagNumber(StrTag);
    if (tag < 2001 || tag > 2999)
        return;
    QObject *o = findTagged(form, StrTag, setsCaption2);
    if (auto *label = qobject_cast<QLabel *>(o))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(o))
        button->setText(text);
    else if (auto *box = qobject_cast<QGroupBox *>(o))
        box->setTitle(text);
    else if (auto *page = qobject_cast<QWidget *>(o)) {
        if (QTabWidget *tabs = tabOwner(page))
            tabs->setTabText(tabs->indexOf(page), text);
    }
}

void LanguageSetter::SetFormCaption(QWidget *form, const QString &, const QString &text)
{
    if (form)
        form->setWindowTitle(text);
}

void LanguageSetter::SetRadioGroupCaption(QWidget *form, const QString &StrTag, const QString &text)
{
    if (auto *box = qobject_cast<QGroupBox *>(findTagged(form, StrTag, isRadioGroup)))
        box->setTitle(text);
}

void LanguageSetter::SetCheckBoxCaption(QWidget *form, const QString &StrTag, const QString &text)
{
    if (auto *box = qobject_cast<QCheckBox *>(findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QCheckBox *>(o); })))
        box->setText(text);
}

void LanguageSetter::SetEditText(QWidget *form, const QString &StrTag, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QLineEdit *>(o); })))
        edit->setText(text);
}

void LanguageSetter::SetListBoxClear(QWidget *form, const QString &StrTag)
{
    if (QObject *o = findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QListWidget *>(o); }))
        o->setProperty(itemCountProperty, 0);
}

void LanguageSetter::SetRadioGroupClear(QWidget *form, const QString &StrTag)
{
    if (QObject *o = findTagged(form, StrTag, isRadioGroup))
        o->setProperty(itemCountProperty, 0);
}

void LanguageSetter::SetComboBoxClear(QWidget *form, const QString &StrTag)
{
    if (QObject *o = findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QComboBox *>(o); }))
        o->setProperty(itemCountProperty, 0);
}

void LanguageSetter::SetListBoxItem(QWidget *form, const QString &StrTag, const QString &text)
{
    auto *list = qobject_cast<QListWidget *>(findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QListWidget *>(o); }));
    if (!list)
        return;
    const int index = nextItemIndex(list, list->count());
    if (index < list->count())
        list->item(index)->setText(text);
    else
        list->addItem(text);
}

void LanguageSetter::SetRadioGroupItem(QWidget *form, const QString &StrTag, const QString &text)
{
    auto *group = qobject_cast<QGroupBox *>(findTagged(form, StrTag, isRadioGroup));
    if (!group)
        return;
    const QList<QRadioButton *> items = radioItems(group);
    const int index = nextItemIndex(group, int(items.size()));
    if (index < items.size()) {
        items[index]->setText(text);
        return;
    }
    auto *button = new QRadioButton(text, group);
    if (group->layout())
        group->layout()->addWidget(button);
    button->show();
}

void LanguageSetter::SetComboBoxItem(QWidget *form, const QString &StrTag, const QString &text)
{
    auto *combo = qobject_cast<QComboBox *>(findTagged(form, StrTag, [](QObject *o) { return qobject_cast<QComboBox *>(o); }));
    if (!combo)
        return;
    const int index = nextItemIndex(combo, combo->count());
    if (index < combo->count())
        combo->setItemText(index, text);
    else
        combo->addItem(text);
}

void LanguageSetter::finishItemLists(QWidget *form)
{
    if (!form)
        return;
    // Collected first: trimming a radio group deletes some of the form's children.
    QList<QObject *> lists;
    const QList<QObject *> all = form->findChildren<QObject *>();
    for (QObject *o : all) {
        if (o->property(itemCountProperty).isValid())
            lists.append(o);
    }
    for (QObject *o : std::as_const(lists)) {
        const QVariant v = o->property(itemCountProperty);
        const int keep = v.toInt();
        o->setProperty(itemCountProperty, QVariant());
        if (auto *list = qobject_cast<QListWidget *>(o)) {
            while (list->count() > keep)
                delete list->takeItem(list->count() - 1);
        } else if (auto *combo = qobject_cast<QComboBox *>(o)) {
            while (combo->count() > keep)
                combo->removeItem(combo->count() - 1);
        } else if (auto *group = qobject_cast<QGroupBox *>(o)) {
            const QList<QRadioButton *> items = radioItems(group);
            for (qsizetype i = keep; i < items.size(); ++i)
                delete items[i];
        }
    }
}

LanguageSetter::Result LanguageSetter::apply(QWidget *form, const QString &path, bool japanese, const IniFile *fonts,
                                             const Report &report)
{
    const std::optional<QStringList> lines = LanguageFile::readLines(path);
    if (!lines)
        return Result::Missing;
    const LanguageFileCheck check = LanguageFile::check(*lines);
    if (!check.ok()) {
        if (report) {
            report(check.messageJapanese(), check.messageEnglish());
            report(LanguageFile::formatErrorJapanese(), LanguageFile::formatErrorEnglish());
        }
        return Result::Invalid;
    }

    QString listTag, radioTag, comboTag;
    QStringList f;
    for (const QString &line : *lines) {
        f.clear();
        LineSplitter::split(line, f);
        if (f.size() != 6 || f[1] != QLatin1String("1"))
            continue;
        const QString &tag = f[0];
        const QString &kind = f[3];
        const QString &text = japanese ? f[4] : f[5];
        const QChar first = tag.isEmpty() ? QChar() : tag[0];
        const bool caption = kind == QLatin1String("Caption");
        const bool item = kind == QLatin1String("Item");
        if (first == u'1' && caption)
            SetMenuCaption(form, tag, text);
        if (first == u'2' && caption)
            SetLabelButtonPanelTabsheetGroupboxCaption(form, tag, text);
        if (tag.startsWith(QLatin1String("2999")) && caption)
            SetFormCaption(form, tag, text);
        if (first == u'4' && item) {
            if (tag != listTag) {
                SetListBoxClear(form, tag);
                listTag = tag;
            }
            SetListBoxItem(form, tag, text);
        }
        if (first == u'5' && caption)
            SetRadioGroupCaption(form, tag, text);
        if (first == u'5' && item) {
            if (tag != radioTag) {
                SetRadioGroupClear(form, tag);
                radioTag = tag;
            }
            SetRadioGroupItem(form, tag, text);
        }
        if (first == u'6' && caption)
            SetCheckBoxCaption(form, tag, text);
        if (first == u'7' && item) {
            if (tag != comboTag) {
                SetComboBoxClear(form, tag);
                comboTag = tag;
            }
            SetComboBoxItem(form, tag, text);
        }
        if (first == u'8' && kind == QLatin1String("Text"))
            SetEditText(form, tag, text);
    }
    finishItemLists(form);
    if (form && fonts)
        form->setFont(languageFont(form->font(), japanese, fonts));
    return Result::Applied;
}

bool LanguageSetter::CheckLanguageFile(const QString &path, const Report &report)
{
    const LanguageFileCheck check = LanguageFile::CheckLanguageFile(path);
    if (!check.ok() && report)
        report(check.messageJapanese(), check.messageEnglish());
    return check.ok();
}

LanguageSetter::Report LanguageSetter::messageBox(QWidget *parent, bool japanese, QString *strMsg)
{
    return [parent, japanese, strMsg](const QString &ja, const QString &en) {
        const QString text = japanese ? ja : en;
        if (strMsg)
            *strMsg = text;
        MessageService::show(parent, text, MessageButtons::Ok);
    };
}

QFont LanguageSetter::languageFont(const QFont &base, bool japanese, const IniFile *fonts)
{
    const QString section = japanese ? QStringLiteral("SystemFontJpn") : QStringLiteral("SystemFontEng");
    const QString defaultName = japanese ? QString::fromUtf16(u"ＭＳ ゴシック") : QStringLiteral("Courier New");
    const int defaultSize = japanese ? 14 : 12;
    QFont font = base;
    font.setFamily(fonts->readString(section, QStringLiteral("Name"), defaultName));
    const int size = fonts->readInteger(section, QStringLiteral("Size"), defaultSize);
    font.setPointSize(size > 0 ? size : defaultSize);
    return font;
}

QList<QObject *> LanguageSetter::taggedObjects(QWidget *form)
{
    QList<QObject *> tagged;
    if (!form)
        return tagged;
    if (tagOf(form) >= 0)
        tagged.append(form);
    const QList<QObject *> all = ownedObjects(form);
    for (QObject *o : all) {
        if (tagOf(o) >= 0)
            tagged.append(o);
    }
    return tagged;
}

QString LanguageSetter::kindFor(const QObject *o)
{
    const int tag = tagOf(o);
    const int digit = tag >= 1000 && tag <= 9999 ? tag / 1000 : -1;
    switch (digit) {
    case 1:
        return qobject_cast<const QAction *>(o) ? QStringLiteral("Caption") : QString();
    case 2:
        if (tag == 2999 && o->isWidgetType() && static_cast<const QWidget *>(o)->isWindow())
            return QStringLiteral("Caption");
        return tag >= 2001 && setsCaption2(o) ? QStringLiteral("Caption") : QString();
    case 4:
        return qobject_cast<const QListWidget *>(o) ? QStringLiteral("Item") : QString();
    case 5:
        return isRadioGroup(o) ? QStringLiteral("Caption") : QString();
    case 6:
        return qobject_cast<const QCheckBox *>(o) ? QStringLiteral("Caption") : QString();
    case 7:
        return qobject_cast<const QComboBox *>(o) ? QStringLiteral("Item") : QString();
    case 8:
        return qobject_cast<const QLineEdit *>(o) ? QStringLiteral("Text") : QString();
    default:
        return QString();
    }
}

QStringList LanguageSetter::uncoveredTags(QWidget *form, const QString &path)
{
    // tag -> kinds that have an applicable line
    QHash<int, QSet<QString>> covered;
    const QStringList lines = LanguageFile::readLines(path).value_or(QStringList());
    QStringList f;
    for (const QString &line : lines) {
        f.clear();
        LineSplitter::split(line, f);
        if (f.size() == 6 && f[1] == QLatin1String("1") && !f[0].isEmpty() && IsNumericStr(f[0]))
            covered[f[0].toInt()].insert(f[3]);
    }
    QStringList missing;
    for (QObject *o : taggedObjects(form)) {
        const int tag = tagOf(o);
        QString kind = kindFor(o);
        const QString name = o->objectName();
        if (kind.isEmpty()) {
            missing.append(QStringLiteral("%1 (%2): no line can set this control").arg(tag).arg(name));
            continue;
        }
        if (!covered.value(tag).contains(kind))
            missing.append(QStringLiteral("%1 %2 (%3)").arg(tag).arg(kind, name));
        auto *group = qobject_cast<QGroupBox *>(o);
        if (isRadioGroup(o) && !radioItems(group).isEmpty() && !covered.value(tag).contains(QStringLiteral("Item")))
            missing.append(QStringLiteral("%1 Item (%2)").arg(tag).arg(name));
    }
    return missing;
}

void LanguageSetter::installDeveloperKeys(QWidget *window, std::function<void(bool japanese)> switchTo)
{
    auto *japanese = new QShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_J), window);
    auto *english = new QShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_E), window);
    japanese->setContext(Qt::WindowShortcut);
    english->setContext(Qt::WindowShortcut);
    QObject::connect(japanese, &QShortcut::activated, window, [switchTo] { switchTo(true); });
    QObject::connect(english, &QShortcut::activated, window, [switchTo] { switchTo(false); });
}

} // namespace quillon
