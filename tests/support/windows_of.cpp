#include "support/windows_of.h"

namespace vantrel::test {
namespace {

template <typename Window> Window* one(const app::TForm1* main) {
    return main->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

Windows windowsOf(app::TForm1* main) {
    return {main,
            one<bands::TForm2>(main),
            one<bands::TForm3>(main),
            one<bands::TForm4>(main),
            one<bands::TForm5>(main),
            one<app::TForm6>(main),
            one<app::TForm7>(main),
            one<codes::TForm8>(main),
            one<codes::TForm9>(main),
            one<codes::TForm10>(main),
            one<app::TForm11>(main),
            one<bands::TForm12>(main),
            one<bands::TForm13>(main),
            one<codes::SmdCodeWindow>(main),
            one<codes::PrintedCapacitorCodeWindow>(main),
            one<marking::AnyMarkingWindow>(main),
            one<windows::CombineWindow>(main),
            one<windows::CheckWindow>(main),
            one<windows::LabelsWindow>(main)};
}

} // namespace vantrel::test
