#include "mainwindow/ContactListPanel.h"

#include <QAction>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>

#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "platform/VbControls.h"
#include "reports/DEEdit.h"

ContactListPanel::ContactListPanel(MainWindows::Which which, MainLogWindow* window, QWidget* windowWidget,
                                   const ContactListControls& controls, std::function<void()> reloadLog,
                                   QObject* parent)
    : QObject(parent), which_(which), window_(window), windowWidget_(windowWidget), c_(controls),
      reloadLog_(std::move(reloadLog))
{
    model_.setLayout(ContactList::layoutFor(which_, G.RoverFlag));

    QTreeView* v = c_.ListView1;
    v->setModel(&model_);
    v->setRootIsDecorated(false);
    v->setItemsExpandable(false);
    // Equal row heights let the view lay out 11000 rows without measuring each.
    v->setUniformRowHeights(true);
    v->setAllColumnsShowFocus(true);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSortingEnabled(false);
    v->header()->setSectionsClickable(true);
    v->header()->setSortIndicatorShown(false);
    connect(v->header(), &QHeaderView::sectionClicked, this, [this](int column) { ListView1_ColumnClick(column); });
    v->installEventFilter(this);
    v->viewport()->installEventFilter(this);
    if (c_.txtCall)
        c_.txtCall->installEventFilter(this);

    if (c_.cmdList)
        connect(c_.cmdList, &QPushButton::clicked, this, [this] { cmdList_Click(); });
    if (c_.cmdEdit)
        connect(c_.cmdEdit, &QPushButton::clicked, this, [this] { cmdEdit_Click(); });
    if (c_.cmdDelete)
        connect(c_.cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    if (c_.mnuRecall)
        connect(c_.mnuRecall, &QAction::triggered, this, [this] { mnuRecall_Click(); });
    if (c_.mnuListPrevious)
        connect(c_.mnuListPrevious, &QAction::triggered, this, [this] { mnuListPrevious_Click(); });
    if (c_.mnuCopyListtoClipboard)
        connect(c_.mnuCopyListtoClipboard, &QAction::triggered, this, [this] { mnuCopyListtoClipboard_Click(); });
}

void ContactListPanel::setColumns(const QStringList& headers, const QVector<Qt::Alignment>& alignments)
{
    model_.setLayout(ContactList::layoutFor(which_, G.RoverFlag));
    model_.setHeaders(headers, alignments);
}

void ContactListPanel::ListRecentContacts() { model_.ListRecentContacts(); }

void ContactListPanel::showRecords(const QVector<int>& records) { model_.showRecords(records); }

// ---- Handlers ----------------------------------------------------------------------------------

void ContactListPanel::cmdEdit_Click() { ContactList::cmdEdit_Click(*this); }

void ContactListPanel::cmdDelete_Click() { ContactList::cmdDelete_Click(*this); }

void ContactListPanel::cmdList_Click()
{
    const QString caption = ContactList::cmdList_Click();
    if (c_.cmdList)
        c_.cmdList->setText(caption);
    ListRecentContacts();
    if (c_.txtCall)
        c_.txtCall->setFocus();
}

void ContactListPanel::ListView1_Click()
{
    if (rows() > 0)
        showEditButtons();
}

void ContactListPanel::ListView1_LostFocus()
{
    if (rows() > 0)
        showEditButtons();
}

void ContactListPanel::ListView1_ColumnClick(int column) { model_.sortByColumn(column); }

void ContactListPanel::ListView1_MouseUp(int button)
{
    if (rows() > 0 && button == 2)
        cmdEdit_Click();
}

void ContactListPanel::mnuRecall_Click()
{
    const std::optional<QString> call = ContactList::recallCall();
    if (!call)
        return;
    if (c_.txtCall)
        c_.txtCall->setText(*call);
    if (QLineEdit* sec = c_.txtSec) {
        sec->setFocus();
        // SelLength := the text's length: from SelStart to the end of the county. A county the
        // call check has just filled in is selected from its start, so the next key replaces it.
        setSelLength(sec, int(sec->text().size()));
    }
}

void ContactListPanel::mnuListPrevious_Click()
{
    // The item ticks and unticks itself; the flag and QSOpref.txt follow it.
    ContactList::setListPrevious(c_.mnuListPrevious && c_.mnuListPrevious->isChecked());
}

void ContactListPanel::mnuCopyListtoClipboard_Click()
{
    QClipboard* clip = QGuiApplication::clipboard();
    clip->clear();
    clip->setText(model_.clipboardText());
}

void ContactListPanel::showEditButtons()
{
    for (QPushButton* b : {c_.cmdEdit, c_.cmdDelete})
        if (b)
            b->show();
}

// ---- Host --------------------------------------------------------------------------------------

int ContactListPanel::selectedRecord()
{
    const QItemSelectionModel* s = c_.ListView1->selectionModel();
    if (!s)
        return 0;
    const QModelIndexList selected = s->selectedRows();
    return selected.isEmpty() ? 0 : model_.recordAt(selected.first().row());
}

void ContactListPanel::showEditDialog()
{
    if (editDialog) {
        editDialog();
        return;
    }
    const auto variant = which_ == MainWindows::Which::In ? ContactEdit::Variant::In : ContactEdit::Variant::Out;
    MainLogWindow* window = window_;
    DEEdit dialog(
        variant, [window] { window->cmdDelete_Click(); }, windowWidget_);
    dialog.exec();
}

void ContactListPanel::hideEditButtons()
{
    for (QPushButton* b : {c_.cmdEdit, c_.cmdDelete})
        if (b)
            b->hide();
}

void ContactListPanel::ReloadLog()
{
    if (reloadLog_)
        reloadLog_();
}

bool ContactListPanel::eventFilter(QObject* watched, QEvent* event)
{
    QTreeView* v = c_.ListView1;
    if (watched == c_.txtCall && event->type() == QEvent::FocusIn) {
        // The call field getting the focus (Tab, a click, Esc, Clear, a logged contact) ends the
        // choice of a row to edit; the window merely coming back to the front does not.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            hideEditButtons();
    } else if (watched == v->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() == Qt::LeftButton)
            ListView1_Click();
        else if (m->button() == Qt::RightButton)
            ListView1_MouseUp(2);
    } else if (watched == v && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            ListView1_LostFocus();
    }
    return QObject::eventFilter(watched, event);
}
