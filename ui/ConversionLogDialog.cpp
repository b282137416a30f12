// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ConversionLogDialog.h"

#include "core/TextRules.h"
#include "core/Texts.h"
#include "ui/Translation.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

ConversionLogDialog::ConversionLogDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("ConversionLogDialog");
    setWindowTitle(Tr(texts::kConversionLogCaption));
    setModal(false);
    resize(680, 460);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    entries = new QListWidget(splitter);
    entries->setObjectName("LogEntries");
    details = new QPlainTextEdit(splitter);
    details->setObjectName("LogDetails");
    details->setReadOnly(true);
    details->setLineWrapMode(QPlainTextEdit::NoWrap);
    details->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    connect(entries, &QListWidget::currentRowChanged, this, [this](int index) {
        details->setPlainText(index >= 0 && index < static_cast<int>(records_.size())
                                  ? QString::fromStdString(RecordText(records_[index]))
                                  : QString());
    });
}

void ConversionLogDialog::add(const RunRecord& record)
{
    records_.push_back(record);
    entries->addItem(QString::fromStdString(record.time + "  " + record.outcome + "  " + FileNameOf(record.file)));
}

void ConversionLogDialog::showFor(const std::string& file)
{
    int index = static_cast<int>(records_.size()) - 1;
    for (int at = index; at >= 0; --at) {
        if (records_[at].file == file) {
            index = at;
            break;
        }
    }
    select(index);
}

void ConversionLogDialog::showLatest()
{
    select(static_cast<int>(records_.size()) - 1);
}

void ConversionLogDialog::select(int index)
{
    entries->setCurrentRow(index);
    if (index >= 0)
        entries->scrollToItem(entries->item(index));
    show();
    raise();
    activateWindow();
}
