#pragma once
// The contact list's controls in a main window: the view ListView1 over one ContactList::Model,
// the buttons "Last 20"/"All" (cmdList), "Edit Contact" (cmdEdit) and "Delete Contact"
// (cmdDelete), and the menu items Recall, List Previous Contacts and Copy Listed Items to
// Clipboard. The panel connects them to the handlers of the same names, which apply the
// decisions of ContactList to the controls. The window creates the controls and keeps ownership.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include <functional>

#include "mainwindow/ContactList.h"
#include "mainwindow/MainWindows.h"

class MainLogWindow;
class QAction;
class QLineEdit;
class QPushButton;
class QTreeView;
class QWidget;

struct ContactListControls {
    QTreeView* ListView1 = nullptr;
    QPushButton* cmdList = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QAction* mnuRecall = nullptr;
    QAction* mnuListPrevious = nullptr;
    QAction* mnuCopyListtoClipboard = nullptr;
    QLineEdit* txtCall = nullptr;
    QLineEdit* txtSec = nullptr;
};

class ContactListPanel : public QObject, public ContactList::Host {
    Q_OBJECT
public:
    // `window` is the main window (the edit dialog's owner and parent); `reloadLog` its log
    // reload, which ends by refilling the list (ListRecentContacts).
    ContactListPanel(MainWindows::Which which, MainLogWindow* window, QWidget* windowWidget,
                     const ContactListControls& controls, std::function<void()> reloadLog, QObject* parent = nullptr);

    ContactList::Model& model() { return model_; }
    const ContactListControls& controls() const { return c_; }

    // The window's load: the columns' headers and alignments (the in-state rover's "County
    // Sent" included when G.RoverFlag is 1).
    void setColumns(const QStringList& headers, const QVector<Qt::Alignment>& alignments = {});

    // Refills the list with the recent contacts (last 20 or all).
    void ListRecentContacts();
    // Fills the list with these records, in this order (the call field's earlier contacts).
    void showRecords(const QVector<int>& records);
    // Rows the list holds now.
    int rows() const { return model_.rowCount(); }

    // Handlers.
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdList_Click();
    void ListView1_Click();
    void ListView1_LostFocus();
    void ListView1_ColumnClick(int column);
    void ListView1_MouseUp(int button);
    void mnuRecall_Click();
    void mnuListPrevious_Click();
    void mnuCopyListtoClipboard_Click();

    // Edit and Delete shown (a click in the list) and hidden (the call field gets the focus, an
    // edit ends, the delete question is answered).
    void showEditButtons();

    // ContactList::Host.
    int selectedRecord() override;
    void showEditDialog() override;
    void hideEditButtons() override;
    void ReloadLog() override;

    // Replaces the modal edit dialog (tests).
    std::function<void()> editDialog;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindows::Which which_;
    MainLogWindow* window_;
    QPointer<QWidget> windowWidget_;
    ContactListControls c_;
    std::function<void()> reloadLog_;
    ContactList::Model model_;
};
