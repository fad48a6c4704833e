#include "mainwindow/ContactList.h"

#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <numeric>

namespace ContactList {

QVector<int> recentRecords(int qsoCount, bool all)
{
    const int first = (all || qsoCount < RecentCount) ? 1 : qsoCount - (RecentCount - 1);
    QVector<int> out;
    out.reserve(qMax(0, qsoCount - first + 1));
    for (int i = qsoCount; i >= first; --i)
        out.append(i);
    return out;
}

int Layout::columnCount() const
{
    if (which == MainWindows::Which::Out)
        return 8;
    return roverColumn ? 10 : 9;
}

Layout layoutFor(MainWindows::Which which, uint8_t roverFlag)
{
    Layout l;
    l.which = which;
    l.roverColumn = which == MainWindows::Which::In && roverFlag == 1;
    return l;
}

QString dateTimeText(const QString& date, const QString& time)
{
    // The log's own forms first; a text an older log holds as the operator typed it ("5/4/2024",
    // "9:05") is shown in the same form when it reads as a date or a time.
    QDate d = QDate::fromString(date, QStringLiteral("yyyy/MM/dd"));
    if (!d.isValid())
        d = Format::parseTypedDate(date, Platform::clock().read().local.date()).value_or(QDate());
    QTime t = QTime::fromString(time, QStringLiteral("hh:mm:ss"));
    if (!t.isValid())
        t = QTime::fromString(time, QStringLiteral("hh:mm"));
    if (!t.isValid())
        t = Format::parseTypedTime(time).value_or(QTime());
    return (d.isValid() ? Format::monthDay(d) : date) + QLatin1Char(' ') + (t.isValid() ? Format::hourMinute(t) : time);
}

namespace {

// The fields behind the columns, after the record number: text field numbers of ContactArrays,
// 0 for the date/time column.
constexpr int DateTimeColumn = 0;
const QVector<int>& fieldsOf(const Layout& layout)
{
    static const QVector<int> out{1, 3, 5, 2, DateTimeColumn, 14, 15};
    static const QVector<int> in{1, 3, 4, 5, 2, DateTimeColumn, 14, 15};
    static const QVector<int> rover{1, 3, 4, 5, 2, DateTimeColumn, 14, 15, 7};
    if (layout.which == MainWindows::Which::Out)
        return out;
    return layout.roverColumn ? rover : in;
}

}   // namespace

QString cellText(const Layout& layout, int record, int column)
{
    if (column == 0)
        return QString::number(record);
    const QVector<int>& fields = fieldsOf(layout);
    if (column < 0 || column > fields.size() || record < 0 || record > ContactArraysT::MaxContacts)
        return QString();
    const ContactArraysT& a = G.ContactArrays;
    const int field = fields[column - 1];
    if (field == DateTimeColumn)
        return dateTimeText(a.ContactDate[record], a.ContactTime[record]);
    return a.text(field, record);
}

QStringList rowTexts(const Layout& layout, int record)
{
    QStringList out;
    for (int c = 0; c < layout.columnCount(); ++c)
        out << cellText(layout, record, c);
    return out;
}

QString clipboardText(const QStringList& headers, const QVector<QStringList>& rowsShown)
{
    const QString tab = QStringLiteral("\t"), crlf = QStringLiteral("\r\n");
    const qsizetype n = headers.size();
    QString text = headers.join(tab) + crlf;
    for (qsizetype r = rowsShown.size() - 1; r >= 0; --r) {
        QStringList fields = rowsShown[r];
        fields.resize(n);   // a field the row never had is empty
        text += fields.join(tab) + crlf;
    }
    return text;
}

// ---- Commands ----------------------------------------------------------------------------------

QString cmdList_Click()
{
    if (G.ListAllFlag == 0) {
        G.ListAllFlag = 1;
        return QStringLiteral("All");
    }
    G.ListAllFlag = 0;
    return QStringLiteral("Last 20");
}

void setListPrevious(bool ticked)
{
    G.ListPreviousFlag = ticked ? 1 : 0;
    Module2::MarkPrefStored(Module2::PrefItem::ListPreviousFlag);
    Module2::WriteQSOpref();
}

std::optional<QString> recallCall()
{
    if (G.QSOCount < 1)
        return std::nullopt;
    return G.ContactArrays.ContactCall[G.QSOCount];
}

namespace {

bool isRecord(int record) { return record >= 1 && record <= G.QSOCount; }

void showWriteFailure(const QString& error)
{
    Platform::prompts().messageBox(Module2::LogWriteFailureText(error), WriteErrorTitle, Platform::Buttons::Ok,
                                   Platform::Icon::Critical);
}

}   // namespace

void cmdEdit_Click(Host& host)
{
    const int record = host.selectedRecord();
    if (!isRecord(record))
        return;
    G.EditIndex = record;
    host.showEditDialog();
    host.hideEditButtons();
    QString error;
    if (!Module2::RewriteLog(&error))
        showWriteFailure(error);
    host.ReloadLog();
}

void cmdDelete_Click(Host& host)
{
    const int record = host.selectedRecord();
    if (!isRecord(record))
        return;
    const QString sure = QStringLiteral("Are you sure?");
    const bool yes = Platform::prompts().yesNo(sure, sure);
    host.hideEditButtons();
    if (!yes)
        return;
    QString error;
    if (!Module2::DeleteContact(record, &error))
        showWriteFailure(error);
    host.ReloadLog();
    host.hideEditButtons();
}

// ---- Model -------------------------------------------------------------------------------------

Model::Model(QObject* parent) : QAbstractTableModel(parent) {}

void Model::setLayout(const Layout& layout)
{
    beginResetModel();
    layout_ = layout;
    endResetModel();
}

void Model::setHeaders(const QStringList& headers, const QVector<Qt::Alignment>& alignments)
{
    beginResetModel();
    headers_ = headers;
    alignments_ = alignments;
    endResetModel();
}

void Model::ListRecentContacts() { showRecords(recentRecords(G.QSOCount, G.ListAllFlag == 1)); }

void Model::showRecords(const QVector<int>& records)
{
    beginResetModel();
    records_ = records;
    endResetModel();
}

void Model::clear() { showRecords({}); }

void Model::sortByColumn(int column)
{
    if (column < 0 || column >= columnCount() || records_.size() < 2)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QStringList keys;
    keys.reserve(records_.size());
    for (int r = 0; r < records_.size(); ++r)
        keys << text(r, column);
    QVector<int> order(records_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a].compare(keys[b], Qt::CaseInsensitive) < 0; });

    QVector<int> sorted(records_.size()), newRow(records_.size());
    for (int r = 0; r < order.size(); ++r) {
        sorted[r] = records_[order[r]];
        newRow[order[r]] = r;
    }
    records_ = sorted;
    // Selections and the current row follow their records.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& i : before)
        after << index(newRow[i.row()], i.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int Model::recordAt(int row) const { return (row >= 0 && row < records_.size()) ? records_[row] : 0; }

QString Model::text(int row, int column) const
{
    if (row < 0 || row >= records_.size())
        return QString();
    return cellText(layout_, records_[row], column);
}

QString Model::clipboardText() const
{
    QVector<QStringList> rows;
    rows.reserve(records_.size());
    for (int r = 0; r < records_.size(); ++r) {
        QStringList fields;
        for (int c = 0; c < columnCount(); ++c)
            fields << text(r, c);
        rows << fields;
    }
    return ContactList::clipboardText(headers_, rows);
}

int Model::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(records_.size()); }

int Model::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return headers_.isEmpty() ? layout_.columnCount() : int(headers_.size());
}

QVariant Model::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() > 0 && index.column() < alignments_.size())
        return QVariant::fromValue(alignments_[index.column()] | Qt::AlignVCenter);
    return QVariant();
}

QVariant Model::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole)
        return headers_.value(section);
    if (role == Qt::TextAlignmentRole && section < alignments_.size())
        return QVariant::fromValue(alignments_[section] | Qt::AlignVCenter);
    return QVariant();
}

}   // namespace ContactList
