# The two everyday commands are `make run` and `make test`; both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-default test-sanitize fuzz bench clean format

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./scripts/run.sh build/default/zenthari

test: build
	ctest --preset default -j $(JOBS)

clean:
	rm -rf build

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
