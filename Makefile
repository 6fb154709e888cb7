# make run   builds Quillnote, installs Quillnote.vst3 into ~/.vst3 and opens the Standalone window
# make test  builds everything and runs every test headless through CTest
# make bench runs the benchmarks

BUILD ?= build
CONFIG ?= Debug
# The compiler cache lives outside the clone, so a fresh clone builds JUCE from
# it; paths are taken relative to the clone, so a clone in another folder hits too.
export CCACHE_DIR ?= $(HOME)/.cache/quillnote-ccache
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: bootstrap configure build run test bench

bootstrap:
	scripts/bootstrap

configure: bootstrap
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CONFIG) -DBUILD_TESTING=ON

build: configure
	cmake --build $(BUILD)

run: build
	scripts/run-standalone $(BUILD) $(CONFIG)

test: build
	ctest --test-dir $(BUILD) --output-on-failure

bench: configure
	cmake --build $(BUILD) --target quillnote_bench
	$(BUILD)/bench/quillnote_bench
