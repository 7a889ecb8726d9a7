#pragma once

#include <QWidget>

class QLabel;

namespace velmora::ui {

// A centred title and explanation, for "nothing selected" and "not yet here" states.
class EmptyStateView : public QWidget {
    Q_OBJECT
public:
    EmptyStateView(const QString& title, const QString& message, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setMessage(const QString& message);
    QString title() const;
    QString message() const;

private:
    QLabel* m_title;
    QLabel* m_message;
};

} // namespace velmora::ui
