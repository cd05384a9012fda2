#!/usr/bin/env bash
# The core is plain C++20: every file of it compiles against LLVM's libc++ (16, the first with
# C++20's range algorithms) as well as against GCC's libstdc++, which the program is built
# with. A header only one library has, or a use of its extensions, fails here.
#   other_standard_library.sh SOURCE_DIR
set -euo pipefail
top=$1
compiler=${CXX_OTHER:-clang++-16}
command -v "$compiler" >/dev/null || { echo "$compiler is missing (build.sh test installs it)"; exit 1; }
failed=0
while IFS= read -r -d '' file; do
    "$compiler" -std=c++20 -stdlib=libc++ -fsyntax-only -Wall -Wextra -Werror -I"$top/src" \
        -DVANTREL_VERSION='"0"' "$file" || { echo "does not compile with libc++: $file"; failed=1; }
done < <(find "$top/src/core" -name '*.cpp' -print0 | sort -z)
exit "$failed"
