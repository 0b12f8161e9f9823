// Value fields filled by control number, whatever kind of control each is.
#include "ui/DialogBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace ampora {
namespace {

struct Dialog {
    QWidget dialog;
    QLineEdit* edit = new QLineEdit(&dialog);
    QLabel* label = new QLabel(&dialog);
    QPushButton* button = new QPushButton(&dialog);
    Dialog()
    {
        edit->setObjectName(QStringLiteral("1001"));
        label->setObjectName(QStringLiteral("1002"));
        button->setObjectName(QStringLiteral("1003"));
    }
};

TEST(SetFieldTexts, FillsEachKindOfControlByItsNumberAndSkipsMissingOnes)
{
    Dialog d;
    SetFieldTexts(&d.dialog, {{1001, "50 %"}, {1002, "N/A"}, {1003, "Start"}, {4242, "nowhere"}});
    EXPECT_EQ(d.edit->text(), "50 %");
    EXPECT_EQ(d.label->text(), "N/A");
    EXPECT_EQ(d.button->text(), "Start");
}

TEST(SetFieldTexts, LeavesAFieldAloneWhenItsTextIsUnchanged)
{
    // Setting a field's text moves its cursor to the end and drops its selection: a field
    // left alone keeps both.
    Dialog d;
    d.edit->setText("12000 mW/H");
    d.edit->selectAll();
    SetFieldTexts(&d.dialog, {{1001, "12000 mW/H"}});
    EXPECT_TRUE(d.edit->hasSelectedText());
    SetFieldTexts(&d.dialog, {{1001, "11990 mW/H"}});
    EXPECT_FALSE(d.edit->hasSelectedText());
    EXPECT_EQ(d.edit->text(), "11990 mW/H");
}

} // namespace
} // namespace ampora
