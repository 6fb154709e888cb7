# Debian's JUCE links the system png, jpeg and zlib but not FLAC and vorbis; a
# shared object links anyway with undefined symbols and only fails when a host
# loads it, so these are linked explicitly.
find_package (PkgConfig REQUIRED)
pkg_check_modules (QUILLNOTE_CODECS REQUIRED IMPORTED_TARGET flac vorbisenc vorbisfile vorbis ogg)
