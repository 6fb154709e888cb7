# Every CI run builds JUCE from a clean clone; ccache keeps that cheap. The
# cache lives outside the clone so it survives between clones.
find_program (CCACHE_PROGRAM ccache)
if (CCACHE_PROGRAM)
    set (CMAKE_C_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
    set (CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()
