# The two commands a fresh Debian 12 machine needs: `make run` and `make test`.
BUILD     ?= build
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

PACKAGES := cmake ninja-build g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev libmuparser-dev fonts-liberation fonts-urw-base35 \
            fonts-dejavu-core xvfb xauth clang libclang-rt-14-dev poppler-utils xdotool
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench gallery fuzz mutate install clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j2

run: build
	cd $(BUILD)/app && ./doppler-spectroscopy

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

gallery: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/gallery/gallery $(BUILD)/gallery
	# The running chapter again at scale factor 2, on a screen large enough for the book.
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen.json QT_SCALE_FACTOR=2 \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/scale2 ch2-running

# The README's screenshots under docs/, rendered with the gallery.
.PHONY: docs-pictures
docs-pictures: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/gallery/gallery $(BUILD)/gallery --docs docs

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DDOPPLER_FUZZ=ON
	cmake --build $(FUZZBUILD) -j2
	@for f in $(FUZZBUILD)/fuzz/*_fuzz; do \
	  echo "== $$f ($(FUZZ_SECONDS) s)"; mkdir -p $(FUZZBUILD)/corpus/$$(basename $$f); \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZBUILD)/corpus/$$(basename $$f) || exit 1; \
	done

# Applies each slip of tools/mutate/mutants.txt to a scratch copy and reports which the
# tests catch.
mutate: deps
	tools/mutate/mutate

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZBUILD) build-mutate
