#include "platform/AlignLayout.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace pintoola {
namespace {

TEST(AlignLayout, SidesAreFilledTopBottomLeftRightThenClient) {
  QWidget parent;
  auto* layout = new AlignLayout(&parent, 1);
  auto make = [&](int w, int h) {
    auto* c = new QWidget(&parent);
    c->resize(w, h);
    return c;
  };
  QWidget* client = make(10, 10);
  QWidget* right = make(114, 10);
  QWidget* left = make(116, 10);
  QWidget* top = make(10, 57);
  QWidget* bottom = make(10, 20);
  // Added out of side order on purpose: the sides, not the order of adding, decide first.
  layout->Add(client, TAlign::alClient, WithMargins());
  layout->Add(right, TAlign::alRight);
  layout->Add(left, TAlign::alLeft);
  layout->Add(top, TAlign::alTop);
  layout->Add(bottom, TAlign::alBottom, WithMargins());
  parent.resize(1122, 912);
  layout->setGeometry(parent.rect());
  EXPECT_EQ(top->geometry(), QRect(1, 1, 1120, 57));
  EXPECT_EQ(bottom->geometry(), QRect(4, 911 - 3 - 20, 1114, 20));
  EXPECT_EQ(left->geometry(), QRect(1, 58, 116, 911 - 26 - 58));
  EXPECT_EQ(right->geometry(), QRect(1121 - 114, 58, 114, 911 - 26 - 58));
  EXPECT_EQ(client->geometry(), QRect(117 + 3, 58 + 3, 1121 - 114 - 117 - 6, 911 - 26 - 58 - 6));
}

TEST(AlignLayout, SameSideStacksInOrderAdded) {
  QWidget parent;
  auto* layout = new AlignLayout(&parent);
  QWidget a(&parent), b(&parent);
  a.resize(75, 47);
  b.resize(75, 47);
  layout->Add(&a, TAlign::alRight, WithMargins());
  layout->Add(&b, TAlign::alRight, WithMargins());
  parent.resize(500, 53);
  layout->setGeometry(parent.rect());
  EXPECT_EQ(a.geometry(), QRect(500 - 78, 3, 75, 47));
  EXPECT_EQ(b.geometry(), QRect(500 - 78 - 81, 3, 75, 47));
  // Taking a control out leaves its place to the ones after it.
  delete layout->takeAt(0);
  layout->setGeometry(parent.rect());
  EXPECT_EQ(b.geometry(), QRect(500 - 78, 3, 75, 47));
}

}  // namespace
}  // namespace pintoola
