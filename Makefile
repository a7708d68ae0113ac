# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
# The two commands a fresh Debian 12 machine needs: `make run` and `make test`.
BUILD     ?= build
FUZZBUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PARALLEL ?= 1
SANBUILD  ?= build-sanitize
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# What building, running and testing need; the fuzzing toolchain comes only with `make fuzz`.
PACKAGES := cmake ninja-build g++ make qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev libmuparser-dev libeigen3-dev qt6-tools-dev qt6-l10n-tools \
            qt6-translations-l10n fonts-liberation fonts-urw-base35 \
            fonts-dejavu-core xvfb xauth poppler-utils xdotool openbox
FUZZ_PACKAGES := clang libclang-rt-14-dev
# What `make package` needs besides: CPack's dependency lookup and the metadata checks.
PACKAGE_PACKAGES := dpkg-dev file appstream desktop-file-utils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs the packages of $(1) that are missing.
define install_packages
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: all deps fuzz-deps package-deps configure build run test layout-languages bench gallery teacher-guide fuzz sanitize \
        soak mutate install package clean

all: build

deps:
	$(call install_packages,$(PACKAGES))

fuzz-deps: deps
	$(call install_packages,$(FUZZ_PACKAGES))

package-deps: deps
	$(call install_packages,$(PACKAGE_PACKAGES))

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j2

run: build
	cd $(BUILD)/app && ./doppler-spectroscopy

# The layout runs in the test language, which lengthens English by 40 %: a preview of what a
# new translation would break, not a fault of the book. make layout-languages runs them.
LAYOUT_LANGUAGE_LABELS := pseudo-language

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 \
	  -LE $(LAYOUT_LANGUAGE_LABELS)

# The layout checks in the test language: what a new translation of English's length would break.
layout-languages: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 \
	  -L $(LAYOUT_LANGUAGE_LABELS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

# The teacher's guide: every question with its accepted answers, and the hidden stars.
teacher-guide: build
	$(BUILD)/app/doppler-spectroscopy --teacher-guide $(BUILD)/teacher-guide.pdf
	@echo "Written: $(BUILD)/teacher-guide.pdf"

gallery: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/gallery/gallery $(BUILD)/gallery
	# The running chapter again at scale factor 2, on a screen large enough for the book.
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen.json QT_SCALE_FACTOR=2 \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/scale2 ch2-running
	# Zoomed pages and dialogs, and the dialogs' places on a 1024 x 768 screen.
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen.json \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/zoom150 ch3-p13,dialog-parameters-ch3 --zoom 150
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen.json \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/zoom200 ch2-running,ch3-p06,spectrum-na-d --zoom 200
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen-1024x768.json \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/screen1024 screen
	# "Fit to screen" on the screens schools have, 175 % on 1920 x 1080, and 75 % on the
	# same screen with doubled pixels (the least a zoom below 100 % needs).
	for s in 800x600 1024x768 1920x1080; do \
	  QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen-$$s.json \
	    $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/fit$$s 01-contents,ch3-p06,screen --fit || exit 1; \
	done
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen-1920x1080.json \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/zoom175 01-contents,ch3-p06,screen --zoom 175
	QT_QPA_PLATFORM=offscreen:configfile=tools/gallery/screen-1920x1080.json QT_SCALE_FACTOR=2 \
	  $(BUILD)/tools/gallery/gallery $(BUILD)/gallery/zoom75 01-contents,ch3-p06,screen --zoom 75
	# The printed pages, as pictures.
	for pdf in $(BUILD)/gallery/print-*.pdf; do pdftoppm -r 100 -png "$$pdf" "$${pdf%.pdf}"; done

# The README's screenshots under docs/, rendered with the gallery.
.PHONY: docs-pictures
docs-pictures: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/gallery/gallery $(BUILD)/gallery --docs docs

# Every fuzz/*_fuzz harness for FUZZ_SECONDS with its word list and seeds; FUZZ_PARALLEL=N
# runs that many of them side by side. Findings land in fuzz/regressions/, which `make test` replays.
fuzz: fuzz-deps
	[ -f $(FUZZBUILD)/build.ninja ] || \
	  CXX=clang++ cmake -S . -B $(FUZZBUILD) -G Ninja -DDOPPLER_FUZZ=ON
	cmake --build $(FUZZBUILD) -j2
	tools/fuzz/fuzz-all $(FUZZBUILD) $(FUZZ_SECONDS) $(FUZZ_PARALLEL)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, leaks checked;
# what system libraries keep until exit is suppressed in tools/sanitize/lsan.supp, and what the
# strict string checks report inside system libraries in tools/sanitize/asan.supp.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
sanitize: deps
	[ -f $(SANBUILD)/build.ninja ] || \
	  cmake -S . -B $(SANBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOPPLER_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	    $(filter -DCMAKE_CXX_COMPILER_LAUNCHER=%,$(CMAKE_FLAGS))
	cmake --build $(SANBUILD) -j2 -- tests/all gallery
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:suppressions=$(CURDIR)/tools/sanitize/asan.supp \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitize/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j2 -LE $(LAYOUT_LANGUAGE_LABELS)

# A million ticks of three planets at e = 0.99 and 200 rounds of every chapter: finite values,
# flat memory, time per tick.
soak: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/soak/soak

# Applies each slip of tools/mutate/mutants.txt to a scratch copy and reports which the
# tests catch.
mutate: deps
	tools/mutate/mutate

# Into CMAKE_INSTALL_PREFIX (/usr/local unless configured otherwise), or into PREFIX when
# given: `make install PREFIX=/opt/doppler-spectroscopy`.
PREFIX ?=
install: build
	$(SUDO) cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package $(BUILD)/doppler-spectroscopy_<version>_<arch>.deb, its desktop entry
# and AppStream metadata checked first. The metadata's id is the package's own name: a
# reverse domain name would need a domain the project does not have.
# It is built in a folder of its own with only what ships: no tests, benchmarks or tools.
# MAINTAINER names whoever answers for the package, "Name <address>"; without it the
# Maintainer field says it was never set.
PKGBUILD ?= build-package
MAINTAINER ?=
package: package-deps
	cmake -S . -B $(PKGBUILD) -G Ninja $(CMAKE_FLAGS) -DBUILD_TESTING=OFF -DDOPPLER_BENCH=OFF \
	  -DDOPPLER_TOOLS=OFF $(if $(MAINTAINER),"-DDOPPLER_MAINTAINER=$(MAINTAINER)")
	cmake --build $(PKGBUILD) -j2
	desktop-file-validate app/doppler-spectroscopy.desktop
	appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
	  $(PKGBUILD)/app/doppler-spectroscopy.metainfo.xml
	cd $(PKGBUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(FUZZBUILD) $(SANBUILD) $(PKGBUILD) build-mutate
