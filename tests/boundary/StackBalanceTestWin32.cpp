// Every export called through a pointer with the arguments pushed by hand:
// a __stdcall callee removes exactly its own arguments, so the stack pointer
// is back where it was before the pushes. 32-bit Windows only (CMake builds
// it for that flavour alone): the calling convention and the assembly are
// that platform's.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "HostLibrary.h"

// Pushes `count` 32-bit arguments right to left, calls `function`, and
// stores in *drift how far the stack pointer ended from where it was before
// the pushes (0 when the callee popped exactly its arguments).
extern "C" unsigned __cdecl RkCallMeasuringStack(void* function, const unsigned* args, int count, int* drift);
asm(R"(
    .text
    .globl _RkCallMeasuringStack
_RkCallMeasuringStack:
    pushl %ebp
    movl  %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl  12(%ebp), %esi
    movl  16(%ebp), %edx
    movl  %esp, %edi
1:  testl %edx, %edx
    jz    2f
    decl  %edx
    pushl (%esi,%edx,4)
    jmp   1b
2:  movl  8(%ebp), %eax
    call  *%eax
    movl  %esp, %ecx
    subl  %edi, %ecx
    movl  20(%ebp), %edx
    movl  %ecx, (%edx)
    movl  %edi, %esp
    popl  %edi
    popl  %esi
    popl  %ebx
    popl  %ebp
    ret
)");

namespace {

unsigned Arg(const void* pointer) { return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(pointer)); }

class StackBalance : public testing::Test {
protected:
    rk::host::HostLibrary library;
    char buffer[RKDB2_CONNECT_MESSAGE_MAX] = {};
    char dbmsName[8] = {};
    void* entry = nullptr;

    int Drift(const char* exportName, std::initializer_list<unsigned> args)
    {
        void* function = library.Export(exportName);
        EXPECT_NE(nullptr, function) << exportName;
        if (function == nullptr)
            return 0;
        const unsigned* data = args.begin();
        int drift = 12345;
        RkCallMeasuringStack(function, data, static_cast<int>(args.size()), &drift);
        return drift;
    }
};

TEST_F(StackBalance, EveryExportRemovesExactlyItsArguments)
{
    ASSERT_TRUE(library.IsLoaded());
    EXPECT_EQ(0, Drift("CRkDatabaseListNew", {}));
    EXPECT_EQ(0, Drift("CRkDatabaseListGetError", {0u, Arg(buffer), 64u}));
    EXPECT_EQ(0, Drift("CRkDatabaseListNext", {0u}));
    EXPECT_EQ(0, Drift("CRkDatabaseListPopulate", {0u, Arg(&entry)}));
    EXPECT_EQ(0, Drift("CatalogDatabase", {Arg("host"), Arg("DB"), Arg(buffer), 64u}));
    EXPECT_EQ(0, Drift("GetDatabaseDetails", {0u, Arg(buffer)}));
    EXPECT_EQ(0, Drift("RkConnect", {Arg("NO_SUCH_DSN"), Arg("user"), Arg("pw"), Arg(dbmsName), Arg(buffer)}));
    EXPECT_EQ(0, Drift("UncatalogDatabase", {Arg("DB"), Arg("host"), Arg(buffer), 64u}));
}

} // namespace
