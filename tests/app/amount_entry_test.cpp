// The amount boxes take plain decimal numbers only, typed or pasted; the program's own
// texts still go in.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "WindowFixture.h"
#include "controls/WindowOps.h"
#include "login/SignedInOperator.h"

namespace {

class AmountEntryTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        loggedIn = 1;
        ui().选择夹1->setCurrentIndex(0);
        ui().外形框_新增会员->show();
        ui().外形框_快速消费->show();
        // Above every total typed here, so that none is cut back to the balance.
        SetText(ui().编辑框_快速消费_现有余额, "99999999");
        Pump(5);
    }

    std::string Typed(QLineEdit* box, const char* text) {
        box->clear();
        const QString keys = QString::fromUtf8(text);
        for (QChar key : keys) {
            // keyClicks knows ASCII keys only; other characters come as the text of a key.
            if (key.unicode() < 0x80)
                QTest::keyClick(box, key.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), {});
        }
        return box->text().toStdString();
    }
    std::string Pasted(QLineEdit* box, const char* start, const char* text) {
        box->setText(QString::fromUtf8(start));
        box->end(false);
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        box->paste();
        return box->text().toStdString();
    }
};

TEST_F(AmountEntryTest, OnlyPlainDecimalNumbersGetIn) {
    struct Case {
        const char* text;
        const char* typedAmount;  // what typing each character leaves
        bool amountTakesPaste;    // a paste goes in whole or not at all
        const char* typedTotal;
        bool totalTakesPaste;
    } cases[] = {
        {"123.45", "123.45", true, "123.45", true},
        {"12345678.99", "12345678.99", true, "12345678.99", true},
        {"0", "0", true, "0", true},
        {"12.", "12.", true, "12.", true},
        {"-50", "-50", true, "50", false},
        {"-", "-", true, "", false},
        {"-0.5", "-0.5", true, "0.5", false},
        {"1e3", "13", false, "13", false},
        {"12abc", "12", false, "12", false},
        {"1.234", "1.23", false, "1.23", false},
        {"123456789", "12345678", false, "12345678", false},
        {"--1", "-1", false, "1", false},
        {"+5", "5", false, "5", false},
        {"1,5", "15", false, "15", false},
        {" 7", "7", false, "7", false},
        {"1.2.3", "1.23", false, "1.23", false},
        {"１２", "", false, "", false},  // full-width digits
    };
    QLineEdit* amounts[] = {ui().编辑框_新增会员_充值金额, ui().编辑框_新增会员_充值赠送};
    QLineEdit* total = ui().编辑框_快速消费_消费总金额;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (QLineEdit* box : amounts) {
            EXPECT_EQ(Typed(box, c.text), c.typedAmount) << box->objectName().toStdString();
            EXPECT_EQ(Pasted(box, "", c.text), c.amountTakesPaste ? c.text : "");
        }
        EXPECT_EQ(Typed(total, c.text), c.typedTotal);
        EXPECT_EQ(Pasted(total, "", c.text), c.totalTakesPaste ? c.text : "");
    }
}

TEST_F(AmountEntryTest, APasteIsCheckedWithWhatTheBoxAlreadyHolds) {
    QLineEdit* amount = ui().编辑框_新增会员_充值金额;
    EXPECT_EQ(Pasted(amount, "12", "3.5"), "123.5");
    EXPECT_EQ(Pasted(amount, "12", "-3"), "12");
    EXPECT_EQ(Pasted(amount, "1234567", "89"), "1234567");
    EXPECT_EQ(Pasted(amount, "1.5", "0"), "1.50");
    EXPECT_EQ(Pasted(amount, "1.50", "0"), "1.50");
}

TEST_F(AmountEntryTest, TheProgramsOwnTextsStillGoIn) {
    QLineEdit* total = ui().编辑框_快速消费_消费总金额;
    for (const char* text : {"100", "", "-5", "123456789"}) {
        SetText(total, text);
        EXPECT_EQ(TextOf(total), text);
    }
}

}  // namespace
