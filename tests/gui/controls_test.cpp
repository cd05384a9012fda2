// A window's controls reach its code as the classes their rows make; a name or a kind that its
// table does not have stops the program with the name, in every build, instead of handing the
// window a null control.
#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace vantrel;

namespace {

constexpr ui::Control kRows[] = {
    {ui::Kind::Label, "Label1", 0, 0, 40, 16, "Текст"},
    {ui::Kind::Edit, "Edit1", 0, 20, 40, 24, "", {}, 0, ui::Aqua, 3},
};

} // namespace

TEST(Controls, AreTakenByTheirRowsNameAsTheClassTheirKindMakes) {
    QWidget parent;
    const ui::Controls controls = ui::buildControls(&parent, kRows);
    QLineEdit* edit = controls.get<QLineEdit>("Edit1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->parentWidget(), &parent);
    EXPECT_EQ(edit->maxLength(), 3);
    EXPECT_EQ(controls.get<QLabel>("Label1")->text(), QStringLiteral("Текст"));
    EXPECT_EQ(controls.widget("Edit1"), edit);
}

TEST(ControlsDeathTest, AMissingNameOrAnotherKindStopsTheProgramWithTheName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // the application has threads of its own
    QWidget parent;
    const ui::Controls controls = ui::buildControls(&parent, kRows);
    EXPECT_DEATH(controls.get<QLineEdit>("Edit2"), "Edit2");
    EXPECT_DEATH(controls.get<QLineEdit>("Label1"), "Label1");
    EXPECT_DEATH(controls.widget("Memo1"), "Memo1");
}
