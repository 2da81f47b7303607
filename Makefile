# The developer commands. `make run` and `make test` are the whole set-up on a fresh machine.
.PHONY: all deps build run test bench pictures fuzz package art format clean

all: build

deps:
	@scripts/install-deps

build: deps
	@scripts/build

run: build
	@scripts/run-app

test:
	@scripts/run-tests

bench: build
	@scripts/bench

# The README's pictures, taken from the release build by its end-to-end test.
pictures:
	@scripts/pictures

fuzz: build
	@scripts/fuzz

package: build
	@cmake --build --preset mingw32 --target kelvane_package

art:
	@/usr/bin/python3 art/generate.py

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	-@scripts/stop-wine
	rm -rf build
