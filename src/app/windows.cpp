#include "app/windows.h"

namespace vantrel::app {
namespace {

template <typename Window> Window* one(const TForm1* main) {
    return main->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

Windows windowsOf(TForm1* main) {
    return {main,
            one<bands::TForm2>(main),
            one<bands::TForm3>(main),
            one<bands::TForm4>(main),
            one<bands::TForm5>(main),
            one<TForm6>(main),
            one<TForm7>(main),
            one<codes::TForm8>(main),
            one<codes::TForm9>(main),
            one<codes::TForm10>(main),
            one<TForm11>(main),
            one<bands::TForm12>(main),
            one<bands::TForm13>(main),
            one<codes::SmdCodeWindow>(main),
            one<codes::CapacitorMarkingWindow>(main)};
}

} // namespace vantrel::app
