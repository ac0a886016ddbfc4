#pragma once
#include <QTabWidget>

// A page control whose pages cover the whole control: a control on a page stands at its
// stored left and top measured from the control's own top-left, not from the area under
// the tab strip. The strip stays above the pages.
class PageControl : public QTabWidget {
    Q_OBJECT

  public:
    explicit PageControl(QWidget* parent = nullptr);

  protected:
    void tabInserted(int index) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void coverWithPages();

    QWidget* pages_ = nullptr;
};
