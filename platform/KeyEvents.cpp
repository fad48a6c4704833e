#include "platform/KeyEvents.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHash>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace KeyEvents {

bool isStorable(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7E) || (u >= 0xA0 && u <= 0xFF);
}

QString storableOnly(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (isStorable(c))
            out.append(c);
    return out;
}

int keyCodeOf(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vbKeyF1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Shift: return vbKeyShift;
    case Qt::Key_Control: return vbKeyControl;
    case Qt::Key_Alt: return vbKeyMenu;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Space: return vbKeySpace;
    case Qt::Key_PageUp: return vbKeyPageUp;
    case Qt::Key_PageDown: return vbKeyPageDown;
    case Qt::Key_End: return vbKeyEnd;
    case Qt::Key_Home: return vbKeyHome;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Insert: return vbKeyInsert;
    case Qt::Key_Delete: return vbKeyDelete;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    // Shifted digits report the digit key.
    case Qt::Key_ParenRight: return 48;
    case Qt::Key_Exclam: return 49;
    case Qt::Key_At: return 50;
    case Qt::Key_NumberSign: return 51;
    case Qt::Key_Dollar: return 52;
    case Qt::Key_Percent: return 53;
    case Qt::Key_AsciiCircum: return 54;
    case Qt::Key_Ampersand: return 55;
    case Qt::Key_Asterisk: return 56;
    case Qt::Key_ParenLeft: return 57;
    // Punctuation keys of a US keyboard, shifted or not.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater: return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

int shiftOf(int qtModifiers)
{
    int s = 0;
    if (qtModifiers & Qt::ShiftModifier)
        s |= ShiftMask;
    if (qtModifiers & Qt::ControlModifier)
        s |= CtrlMask;
    if (qtModifiers & Qt::AltModifier)
        s |= AltMask;
    return s;
}

namespace {

// The character code a key types (0 for keys that type none). Tab moves the focus and types
// nothing; Ctrl with a letter gives the control codes 1 to 26.
int asciiOf(const QKeyEvent* e)
{
    const int key = e->key();
    const auto mods = e->modifiers();
    if (mods & Qt::AltModifier)
        return 0;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0;
    default: break;
    }
    if (mods & Qt::ControlModifier)
        return (key >= Qt::Key_A && key <= Qt::Key_Z) ? 1 + (key - Qt::Key_A) : 0;
    const QString t = e->text();
    if (t.isEmpty())
        return 0;
    const int c = t.at(0).unicode();
    return (c < 32 || c == 127) ? 0 : c;
}

// True when the key would type text holding a character that no field may hold. Keys that type
// no text (arrows, function keys) and those asciiOf gives a code of its own (Enter, Esc,
// Backspace, Ctrl with a letter) are not such keys.
bool typesUnstorable(const QKeyEvent* e, int ascii)
{
    if (ascii == 0 || ascii < 32 || ascii == 127)
        return false;
    const QString t = e->text();
    for (QChar c : t)
        if (!isStorable(c))
            return true;
    return false;
}

// The key event that types character `ascii`.
int qtKeyForAscii(int ascii)
{
    switch (ascii) {
    case 13: return Qt::Key_Return;
    case 27: return Qt::Key_Escape;
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    default: break;
    }
    if (ascii >= 'a' && ascii <= 'z')
        return Qt::Key_A + (ascii - 'a');
    if (ascii >= 1 && ascii <= 26)
        return Qt::Key_A + (ascii - 1);
    return ascii;
}

// Replacement events in flight, and the filters that already handled what they replace.
QHash<const QEvent*, QSet<const QObject*>>& replacements()
{
    static QHash<const QEvent*, QSet<const QObject*>> r;
    return r;
}

class KeyFilter : public QObject {
public:
    KeyFilter(QWidget* scope, bool formLevel, KeyPressFn press, KeyDownFn down)
        : QObject(scope), scope_(scope), formLevel_(formLevel), press_(std::move(press)), down_(std::move(down))
    {
    }

    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        // The next key begins (its shortcut check, or a release): the presses whose handlers are
        // done have finished travelling. Presses whose handlers still run (a message being sent
        // lets the event loop run) stay marked, whatever is released meanwhile.
        if (formLevel_ && (ev->type() == QEvent::ShortcutOverride || ev->type() == QEvent::KeyRelease))
            forgetFinished();
        if (ev->type() != QEvent::KeyPress || !obj->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(obj);
        auto* ke = static_cast<QKeyEvent*>(ev);
        const auto it = replacements().constFind(ev);
        if (it != replacements().constEnd() && it->contains(this))
            return false;
        if (formLevel_) {
            if (w != scope_ && !scope_->isAncestorOf(w))
                return false;
            // A key the control leaves unhandled travels on to its parents: it was seen already.
            if (travelsOn(w, ke))
                return false;
            forgetFinished();
            return handleOnce(w, ke);
        }
        if (w != scope_)
            return false;
        return handle(w, ke);
    }

private:
    // A press the form's handlers have taken: the event, the widget it last reached, and what it
    // carries (an event's address is reused by a later key once the event is gone).
    struct Taken {
        const QEvent* event;
        QPointer<QWidget> at;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        bool handling;   // the handlers are still running
    };

    static bool carries(const Taken& t, const QKeyEvent* ke)
    {
        return t.event == ke && t.key == ke->key() && t.modifiers == ke->modifiers() &&
               t.autoRepeat == ke->isAutoRepeat();
    }

    // True when `ke` at `w` is a taken press moving on from the widget it last reached to that
    // widget's parent, as Qt passes a key the widget ignored; the mark follows it.
    bool travelsOn(QWidget* w, const QKeyEvent* ke)
    {
        for (Taken& t : taken_) {
            if (!carries(t, ke) || t.handling || !t.at || t.at->isWindow() || t.at->parentWidget() != w)
                continue;
            t.at = w;
            return true;
        }
        return false;
    }

    void forgetFinished()
    {
        taken_.erase(std::remove_if(taken_.begin(), taken_.end(), [](const Taken& t) { return !t.handling; }),
                     taken_.end());
    }

    // Runs the form's handlers on a press once, however long they run and whatever events they
    // let through meanwhile (the key's own release, other keys): the press is marked until it
    // has finished travelling from the control to the form.
    bool handleOnce(QWidget* w, QKeyEvent* ke)
    {
        taken_.push_back(Taken{ke, w, ke->key(), ke->modifiers(), ke->isAutoRepeat(), true});
        const QPointer<KeyFilter> self(this);
        const bool consumed = handle(w, ke);
        if (!self)
            return true;   // the form went with the key: nothing is left to deliver it to
        const auto mine =
            std::find_if(taken_.begin(), taken_.end(), [ke](const Taken& t) { return t.handling && t.event == ke; });
        if (mine != taken_.end()) {
            if (consumed)
                taken_.erase(mine);
            else
                mine->handling = false;
        }
        return consumed;
    }

    bool handle(QWidget* w, QKeyEvent* ke)
    {
        const int ascii0 = asciiOf(ke);
        if (down_) {
            int code = keyCodeOf(ke->key());
            if (code != 0) {
                down_(code, shiftOf(int(ke->modifiers())));
                if (code == 0 && ascii0 == 0)
                    return true;
            }
        }
        // A character the files cannot store exactly is dropped here, before any handler of the
        // form or the control sees it, as the handlers drop a double quote.
        if (typesUnstorable(ke, ascii0))
            return true;
        if (!press_ || ascii0 == 0)
            return false;
        int ascii = ascii0;
        press_(ascii);
        if (ascii == ascii0)
            return false;
        if (ascii == 0)
            return true;
        // Type the character the handler chose instead.
        QKeyEvent repl(QEvent::KeyPress, qtKeyForAscii(ascii), Qt::NoModifier, QString(QChar(ascii)));
        QSet<const QObject*> seen = replacements().value(ke);
        seen.insert(this);
        replacements().insert(&repl, seen);
        QCoreApplication::sendEvent(w, &repl);
        replacements().remove(&repl);
        return true;
    }

    QWidget* scope_;
    bool formLevel_;
    KeyPressFn press_;
    KeyDownFn down_;
    // Presses taken by the form's handlers that may still be travelling; one per handler running
    // (a key pressed while another one's message is sent), and the last finished one.
    std::vector<Taken> taken_;
};

// A context menu's shortcut texts ("\tCtrl+V") where the window takes the Ctrl keys: each item
// names the key that still acts in the box, or none.
void nameActingKeys(QMenu* menu)
{
    for (QAction* a : menu->actions()) {
        QString text = a->text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        text.truncate(tab);
        QKeySequence acting;
        if (text == QLineEdit::tr("&Paste"))
            acting = QKeySequence(Qt::SHIFT | Qt::Key_Insert);
        else if (text == QLineEdit::tr("Cu&t"))
            acting = QKeySequence(Qt::SHIFT | Qt::Key_Delete);
        if (!acting.isEmpty())
            text += QLatin1Char('\t') + acting.toString(QKeySequence::NativeText);
        a->setText(text);
    }
}

// The first line of a text, line ends before it passed over: what a one-line box takes of a
// pasted text, as typing ends its line with Enter and never carries the next line into the box.
QString firstLine(const QString& text)
{
    auto lineEnd = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    qsizetype start = 0;
    while (start < text.size() && lineEnd(text[start]))
        ++start;
    qsizetype end = start;
    while (end < text.size() && !lineEnd(text[end]))
        ++end;
    return text.mid(start, end - start);
}

class PasteFilter : public QObject {
public:
    PasteFilter(QLineEdit* edit, std::function<QString(const QString&)> clean, CtrlKeys ctrlKeys)
        : QObject(edit), edit_(edit), clean_(std::move(clean)), ctrlKeys_(ctrlKeys)
    {
    }

    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        // While the edit is being destroyed it still sends events (focus, hide), but it is no
        // longer a QLineEdit: nothing of it may be called then.
        if (obj != edit_ || qobject_cast<QLineEdit*>(obj) == nullptr || edit_->isReadOnly())
            return false;
        switch (ev->type()) {
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(ev);
            if (ke->matches(QKeySequence::Paste) ||
                (ke->key() == Qt::Key_Insert && ke->modifiers() == Qt::ShiftModifier)) {
                paste(QApplication::clipboard()->text());
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(ev);
            if (me->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
                paste(QApplication::clipboard()->text(QClipboard::Selection));
                return true;
            }
            return false;
        }
        case QEvent::ContextMenu: {
            auto* ce = static_cast<QContextMenuEvent*>(ev);
            QMenu* menu = edit_->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            if (ctrlKeys_ == CtrlKeys::Swallowed)
                nameActingKeys(menu);
            for (QAction* a : menu->actions()) {
                if (!a->text().startsWith(QLineEdit::tr("&Paste")))
                    continue;
                QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
                connect(a, &QAction::triggered, this, [this] { paste(QApplication::clipboard()->text()); });
            }
            menu->popup(ce->globalPos());
            return true;
        }
        case QEvent::InputMethod: {
            // Text an input method commits (a compose sequence, a dead key) is typed as keys, so
            // that it meets the same key handling as the keyboard's.
            auto* im = static_cast<QInputMethodEvent*>(ev);
            if (im->commitString().isEmpty())
                return false;
            const QString committed = im->commitString();
            for (QChar c : committed) {
                const int key = c.unicode() < 0x100 ? c.toUpper().unicode() : int(Qt::Key_unknown);
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(edit_, &press);
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(edit_, &release);
            }
            if (!im->preeditString().isEmpty()) {
                QInputMethodEvent rest(im->preeditString(), im->attributes());
                QCoreApplication::sendEvent(edit_, &rest);
            }
            return true;
        }
        case QEvent::Drop: {
            auto* de = static_cast<QDropEvent*>(ev);
            if (!de->mimeData()->hasText() || de->source() == edit_)
                return false;
            edit_->setCursorPosition(edit_->cursorPositionAt(de->position().toPoint()));
            paste(de->mimeData()->text());
            de->acceptProposedAction();
            return true;
        }
        default: return false;
        }
    }

    void paste(const QString& text)
    {
        const QString storable = storableOnly(firstLine(text));
        const QString cleaned = clean_ ? clean_(storable) : storable;
        if (!cleaned.isEmpty())
            edit_->insert(cleaned);
    }

private:
    QLineEdit* edit_;
    std::function<QString(const QString&)> clean_;
    CtrlKeys ctrlKeys_;
};

}   // namespace

QObject* hook(QWidget* control, KeyPressFn keyPress, KeyDownFn keyDown)
{
    auto* f = new KeyFilter(control, false, std::move(keyPress), std::move(keyDown));
    control->installEventFilter(f);
    return f;
}

QObject* hookForm(QWidget* form, KeyPressFn keyPress, KeyDownFn keyDown)
{
    auto* f = new KeyFilter(form, true, std::move(keyPress), std::move(keyDown));
    QCoreApplication::instance()->installEventFilter(f);
    return f;
}

QObject* filterPaste(QLineEdit* edit, std::function<QString(const QString&)> clean, CtrlKeys ctrlKeys)
{
    auto* f = new PasteFilter(edit, std::move(clean), ctrlKeys);
    edit->installEventFilter(f);
    return f;
}

bool enterPressesFocusedButton(QWidget* dialog, QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    auto* b = qobject_cast<QPushButton*>(dialog->focusWidget());
    if (!b || !b->isVisible() || !b->isEnabled())
        return false;
    event->accept();
    b->click();
    return true;
}

}   // namespace KeyEvents
