#pragma once

#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::testing {

// A view's widget found by its object name, as a referee's eye finds it by its
// place: views do not hand their widgets out. Fails the test when there is none.
template <typename T>
T* child(const QWidget& view, const QString& name) {
    T* found = view.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no " << name.toStdString() << " in "
                              << view.objectName().toStdString();
    return found;
}

} // namespace velmora::testing
