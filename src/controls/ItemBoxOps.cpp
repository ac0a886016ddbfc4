#include "ItemBoxOps.h"

#include <QComboBox>
#include <QListWidget>

#include "QtText.h"
#include "WindowThread.h"

int ListBoxAddItem(QListWidget* box, const std::string& text, int32_t data) {
    int item = -1;
    RunOnWindowThread([&] {
        auto* entry = new QListWidgetItem(ToQString(text));
        entry->setData(Qt::UserRole, data);
        box->addItem(entry);
        item = box->count() - 1;
    });
    return item;
}

int ListBoxItemCount(QListWidget* box) {
    int count = 0;
    RunOnWindowThread([&] { count = box->count(); });
    return count;
}

std::string ListBoxItemText(QListWidget* box, int item) {
    std::string text;
    RunOnWindowThread([&] {
        if (const QListWidgetItem* entry = box->item(item)) text = ToStdString(entry->text());
    });
    return text;
}

int32_t ListBoxItemData(QListWidget* box, int item) {
    int32_t data = 0;
    RunOnWindowThread([&] {
        if (const QListWidgetItem* entry = box->item(item))
            data = entry->data(Qt::UserRole).toInt();
    });
    return data;
}

void ListBoxClear(QListWidget* box) {
    RunOnWindowThread([&] { box->clear(); });
}

int ListBoxCurrentItem(QListWidget* box) {
    int item = -1;
    RunOnWindowThread([&] { item = box->currentRow(); });
    return item;
}

int ComboBoxAddItem(QComboBox* box, const std::string& text, int32_t data) {
    int item = -1;
    RunOnWindowThread([&] {
        box->addItem(ToQString(text), data);
        item = box->count() - 1;
    });
    return item;
}

int ComboBoxItemCount(QComboBox* box) {
    int count = 0;
    RunOnWindowThread([&] { count = box->count(); });
    return count;
}

void ComboBoxClear(QComboBox* box) {
    RunOnWindowThread([&] { box->clear(); });
}

void ComboBoxSetCurrentItem(QComboBox* box, int item) {
    RunOnWindowThread([&] { box->setCurrentIndex(item >= 0 && item < box->count() ? item : -1); });
}

std::string ComboBoxText(QComboBox* box) {
    std::string text;
    RunOnWindowThread([&] { text = ToStdString(box->currentText()); });
    return text;
}

void ComboBoxSetText(QComboBox* box, const std::string& text) {
    RunOnWindowThread([&] {
        const QString wanted = ToQString(text);
        if (box->isEditable()) {
            box->setEditText(wanted);
            return;
        }
        box->setCurrentIndex(box->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive));
    });
}
