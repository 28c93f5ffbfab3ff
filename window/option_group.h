#pragma once

#include <QWidget>

// Holds an exclusive pair of option buttons so that assistive technology
// presents them as one group under the pair's caption. It draws nothing.
class OptionGroup : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};
