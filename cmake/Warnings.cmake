# Warning flags for the project's own code; JUCE's sources keep their own.
set (QUILLNOTE_WARNING_FLAGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers)

add_library (quillnote_warnings INTERFACE)
target_compile_options (quillnote_warnings INTERFACE $<$<COMPILE_LANGUAGE:CXX>:${QUILLNOTE_WARNING_FLAGS}>)

# For targets that also compile JUCE's module sources: only the listed files.
function (quillnote_warn_on)
    set_source_files_properties (${ARGN} PROPERTIES COMPILE_OPTIONS "${QUILLNOTE_WARNING_FLAGS}")
endfunction()
