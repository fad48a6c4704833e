// The edit dialog as a window: its controls, typing into its boxes, Enter, the focus going back to
// a refused box, and Delete Dupe.
#include <QApplication>
#include <QRegularExpression>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/Module2Log.h"
#include "mainwindow/ContactList.h"
#include "reports/DEEdit.h"
#include "tests/reports/ContactEditFixture.h"

namespace {

using ContactEdit::Box;
using ContactEdit::Variant;

// The opener's Delete command, counted.
struct FakeOwner {
    int deletes = 0;
    std::function<void()> onDelete;
    std::function<void()> deleteCommand()
    {
        return [this] {
            ++deletes;
            if (onDelete)
                onDelete();
        };
    }
};

class EditDialogTest : public ContactEditTest {
protected:
    void show(DEEdit& d)
    {
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QApplication::processEvents();
    }
    // The dialog for record `record`, shown and active.
    std::unique_ptr<DEEdit> opened(Variant v, int record = 1)
    {
        G.EditIndex = record;
        auto d = std::make_unique<DEEdit>(v, owner.deleteCommand());
        show(*d);
        return d;
    }
    template<class T>
    static T* child(QWidget& w, const char* name)
    {
        return w.findChild<T*>(QString::fromLatin1(name));
    }

    FakeOwner owner;
};

TEST_F(EditDialogTest, EachVariantHasItsRowsWithTheRecordLoaded)
{
    add(contact());
    G.EditIndex = 1;
    DEEdit in(Variant::In, owner.deleteCommand());
    EXPECT_EQ(in.objectName(), "DEEditInfrm");
    EXPECT_EQ(in.windowTitle(), "Edit Contact Entry");
    EXPECT_EQ(in.lblTitle->text(), "Edit Contact:");
    const char* inBoxes[] = {"txtEditCall", "txtEditCk",   "txtEditSec", "txtEditNum", "txtEditPre",
                             "txtEditDate", "txtEditTime", "txtEditBnd", "Text1",      "Text3"};
    const char* inTexts[] = {"W9ABC", "599", "Marion", "599", "IN", "2024/05/04", "14:02:11", "CW", "20", "Vigo"};
    for (int i = 0; i < 10; ++i) {
        QLineEdit* b = child<QLineEdit>(in, inBoxes[i]);
        ASSERT_NE(b, nullptr) << inBoxes[i];
        EXPECT_EQ(b->text(), inTexts[i]) << inBoxes[i];
    }
    for (const char* w : {"Label1", "Label2", "Label3", "Label6", "Label7", "Label9"}) {
        QLabel* l = child<QLabel>(in, w);
        ASSERT_NE(l, nullptr) << w;
        EXPECT_TRUE(l->isHidden()) << w;
    }
    EXPECT_EQ(child<QLabel>(in, "Label1")->text(), "  Dupe!");
    EXPECT_EQ(child<QLabel>(in, "Label7")->text(), "   Invalid!");
    EXPECT_TRUE(in.cmdDeleteDupe->isHidden());
    EXPECT_EQ(in.cmdDeleteDupe->text(), "Delete Dupe");
    EXPECT_EQ(in.cmdDone->text(), "Done");

    DEEdit out(Variant::Out, owner.deleteCommand());
    EXPECT_EQ(out.objectName(), "DEEditOut");
    EXPECT_EQ(child<QLineEdit>(out, "txtEditSec"), nullptr);
    EXPECT_EQ(child<QLineEdit>(out, "Text3"), nullptr);
    EXPECT_EQ(child<QLineEdit>(out, "txtEditPre")->text(), "Marion");   // the county box here
    EXPECT_EQ(out.warningLabel(Box::County)->objectName(), "Label2");
}

TEST_F(EditDialogTest, TypingCompletesCountiesAndKeepsQuotesOut)
{
    add(contact());
    auto dialog = opened(Variant::In);
    DEEdit& d = *dialog;
    QLineEdit* county = d.box(Box::County);
    county->setFocus();
    county->setCursorPosition(0);
    QTest::keyClicks(county, "mari");
    EXPECT_EQ(county->text(), "Marion");
    EXPECT_EQ(county->selectedText(), "on");

    QLineEdit* call = d.box(Box::Call);
    call->setFocus();
    call->clear();
    QTest::keyClicks(call, "k9\"x");
    EXPECT_EQ(call->text(), "K9X");
    QApplication::clipboard()->setText(QStringLiteral("\"N0\"CALL"));
    call->clear();
    QTest::keyClick(call, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(call->text(), "N0CALL");

    QLineEdit* date = d.box(Box::Date);
    date->setFocus();
    date->clear();
    QTest::keyClicks(date, "5-4:2024/x");
    EXPECT_EQ(date->text(), "542024/");
}

// Only characters log.txt stores exactly get into a box: outside Latin-1 and control characters
// are dropped when typed or pasted, in every box of both variants.
TEST_F(EditDialogTest, OnlyCharactersTheLogStoresEnterABox)
{
    add(contact());
    for (Variant v : {Variant::In, Variant::Out}) {
        auto dialog = opened(v);
        for (QLineEdit* b : dialog->findChildren<QLineEdit*>()) {
            SCOPED_TRACE(b->objectName().toStdString());
            b->setFocus();
            b->clear();
            QApplication::clipboard()->setText(QStringLiteral("1\t2\u20AC\u0001/\u007F3\u001B"));
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
            EXPECT_FALSE(b->text().contains(QRegularExpression(QStringLiteral("[^\\x20-\\x7E\\xA0-\\xFF]"))))
                << b->text().toStdString();
            EXPECT_TRUE(b->text().contains(QLatin1Char('1'))) << b->text().toStdString();
            const QString before = b->text();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20AC"));
            QCoreApplication::sendEvent(b, &press);
            EXPECT_EQ(b->text(), before);
        }
        dialog.reset();
    }
}

TEST_F(EditDialogTest, EnterStoresAValidBandAndRefusesAnInvalidOne)
{
    add(contact());
    auto dialog = opened(Variant::In);
    DEEdit& d = *dialog;
    QLineEdit* band = d.box(Box::Band);
    band->setFocus();
    band->setText(QStringLiteral("12"));
    QTest::keyClick(band, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.warningLabel(Box::Band)->isVisible());
    EXPECT_EQ(G.ContactArrays.ContactBand[1], "20");

    band->setText(QStringLiteral("2"));
    QTest::keyClick(band, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(G.ContactArrays.ContactBand[1], "2");
}

TEST_F(EditDialogTest, TwoRefusedBoxesDoNotPassTheFocusBackAndForth)
{
    add(contact());
    auto dialog = opened(Variant::In);
    DEEdit& d = *dialog;
    QLineEdit* band = d.box(Box::Band);
    QLineEdit* sent = d.box(Box::SentCounty);
    sent->clear();   // refused when left
    band->setFocus();
    band->setText(QStringLiteral("12"));
    QApplication::processEvents();

    QTest::keyClick(band, Qt::Key_Tab);   // towards the County Sent box
    QApplication::processEvents();
    EXPECT_TRUE(band->hasFocus());
    EXPECT_TRUE(d.warningLabel(Box::Band)->isVisible());
    EXPECT_FALSE(d.warningLabel(Box::SentCounty)->isVisible());
    EXPECT_EQ(prompts.beeps(), 1);

    // Corrected, the band lets the focus go; the empty County Sent box then keeps it.
    band->setText(QStringLiteral("40"));
    QTest::keyClick(band, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(sent->hasFocus());
    EXPECT_FALSE(d.warningLabel(Box::Band)->isVisible());
    band->setText(QStringLiteral("12"));
    QTest::mouseClick(band, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(sent->hasFocus());
    EXPECT_TRUE(d.warningLabel(Box::SentCounty)->isVisible());
    EXPECT_EQ(prompts.beeps(), 2);
}

TEST_F(EditDialogTest, LeavingABadDateShowsTheMessageAndReturnsTheFocus)
{
    add(contact());
    auto dialog = opened(Variant::Out);
    DEEdit& d = *dialog;
    QLineEdit* date = d.box(Box::Date);
    date->setFocus();
    date->setText(QStringLiteral("2024/02/30"));
    QTest::keyClick(date, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(prompts.messages(), QStringList({"You have entered an invalid date format!"}));
    EXPECT_TRUE(date->hasFocus());
}

TEST_F(EditDialogTest, EscDoesNotCloseTheDialogAndEnterPressesTheFocusedButton)
{
    add(contact());
    auto dialog = opened(Variant::Out);
    DEEdit& d = *dialog;
    QTest::keyClick(d.box(Box::Call), Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    d.box(Box::Call)->setText(QStringLiteral("K9NEW"));
    d.cmdDone->setFocus();
    QTest::keyClick(d.cmdDone, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(G.ContactArrays.ContactCall[1], "K9NEW");
}

TEST_F(EditDialogTest, DeleteDupeHidesTheDialogAndRunsTheWindowsDelete)
{
    add(contact());
    add(contact(QStringLiteral("K1AA")));
    auto dialog = opened(Variant::Out, 2);
    DEEdit& d = *dialog;
    d.box(Box::Call)->setText(QStringLiteral("w9abc"));
    bool visibleDuringDelete = true;
    owner.onDelete = [&] { visibleDuringDelete = d.isVisible(); };
    d.cmdDone->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.warningLabel(Box::Call)->isVisible());
    ASSERT_TRUE(d.cmdDeleteDupe->isVisible());
    EXPECT_EQ(G.ContactArrays.ContactCall[2], "K1AA");

    d.cmdDeleteDupe->click();
    EXPECT_EQ(owner.deletes, 1);
    EXPECT_FALSE(visibleDuringDelete);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(G.ContactArrays.ContactCall[2], "K1AA");   // the boxes were not stored
}

// The window's Edit command around the real dialog: the selected row's record, the dialog shown
// modally while `operate` works it as the operator does, then log.txt rewritten and reloaded.
struct EditCommand : ContactList::Host {
    Variant variant = Variant::In;
    int record = 1;
    std::function<void(DEEdit&)> operate;
    bool leftOpen = false;

    int selectedRecord() override { return record; }
    void showEditDialog() override
    {
        DEEdit dialog(variant, {});
        QTimer::singleShot(0, &dialog, [&] {
            if (QTest::qWaitForWindowActive(&dialog))
                operate(dialog);
            // A refused Done leaves the dialog open; the operator then closes it.
            leftOpen = dialog.isVisible();
            if (leftOpen)
                dialog.reject();
        });
        dialog.exec();
    }
    void hideEditButtons() override {}
    void ReloadLog() override { Module2::LoadLog(); }
};

// Keys pressed and released where the focus is, as the keyboard delivers them.
void press(std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key k : keys) {
        QWidget* to = QApplication::focusWidget();
        ASSERT_NE(to, nullptr);
        QTest::keyClick(to, k);
    }
}

// End, Space, Enter in the call box: the dialog opens with the focus there, the blank goes in at
// the end, Enter runs Done. The call is stored without the blank, in both dialogs, and log.txt is
// rewritten with it; typed with a trailing blank, another record's call is still a duplicate.
TEST_F(EditDialogTest, ACallTypedWithATrailingBlankIsStoredWithoutIt)
{
    const QByteArray first = "\"W9ABC\",\"599\",\"599\",\"IN\",\"Marion\",\"\",\"Vigo\",\"\",\"spare\",\"\",\"\","
                             "\"2024/05/04\",\"14:02:11\","
                             "\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n";
    const QByteArray second =
        "\"K1AA\",\"599\",\"599\",\"IN\",\"Marion\",\"\",\"Vigo\",\"\",\"spare\",\"\",\"\",\"2024/05/04\",\"14:02:11\","
        "\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n";
    for (Variant v : {Variant::In, Variant::Out}) {
        SCOPED_TRACE(ContactEdit::formName(v).toStdString());
        restart();
        add(contact());
        add(contact(QStringLiteral("K1AA")));
        ASSERT_TRUE(Module2::RewriteLog());

        EditCommand edit;
        edit.variant = v;
        edit.operate = [](DEEdit& d) {
            EXPECT_TRUE(d.box(Box::Call)->hasFocus());
            press({Qt::Key_End, Qt::Key_Space});
            EXPECT_EQ(d.box(Box::Call)->text(), "W9ABC ");
            press({Qt::Key_Return});
        };
        ContactList::cmdEdit_Click(edit);
        EXPECT_FALSE(edit.leftOpen);
        EXPECT_EQ(G.ContactArrays.ContactCall[1], "W9ABC");
        EXPECT_EQ(readLog(), first + second);

        // Record 2 retyped as "w9abc " is the same contact as record 1.
        edit.record = 2;
        edit.operate = [](DEEdit& d) {
            d.box(Box::Call)->selectAll();
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("w9abc "));
            press({Qt::Key_Return});
            EXPECT_TRUE(d.warningLabel(Box::Call)->isVisible());
            EXPECT_TRUE(d.cmdDeleteDupe->isVisible());
        };
        ContactList::cmdEdit_Click(edit);
        EXPECT_TRUE(edit.leftOpen);
        EXPECT_EQ(readLog(), first + second);
    }
}

}   // namespace
