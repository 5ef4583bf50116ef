// Draws the program's icon, a processor chip seen from above, and writes it
// as a 32 x 32, 24-bit ICO file. The icon in this folder was made with it:
//
//     g++ -o make_icon res/make_icon.cpp && ./make_icon res/veltra.ico
#include <stdint.h>
#include <stdio.h>
#include <string.h>

enum { SIDE = 32, ROW_BYTES = SIDE * 3, MASK_ROW_BYTES = 4 };

struct colour {
    uint8_t r, g, b;
};

static const colour PIN = {0xC8, 0xCC, 0xD0};
static const colour PIN_SHADE = {0x8C, 0x90, 0x96};
static const colour BODY = {0x2E, 0x32, 0x38};
static const colour BODY_EDGE = {0x50, 0x56, 0x5E};
static const colour DIE = {0xD8, 0xA8, 0x30};
static const colour DIE_EDGE = {0x9C, 0x70, 0x10};
static const colour MARK = {0x3A, 0x24, 0x00};
static const colour NOTCH = {0x9A, 0xA0, 0xA8};

static colour pixels[SIDE][SIDE]; // [y][x], y downwards
static bool opaque[SIDE][SIDE];

static void fill(int x0, int y0, int x1, int y1, colour c)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            pixels[y][x] = c;
            opaque[y][x] = true;
        }
}

static void frame(int x0, int y0, int x1, int y1, colour c)
{
    fill(x0, y0, x1, y0, c);
    fill(x0, y1, x1, y1, c);
    fill(x0, y0, x0, y1, c);
    fill(x1, y0, x1, y1, c);
}

static void draw_chip(void)
{
    // Six pins on each side of the package, two pixels wide, one apart.
    for (int p = 8; p <= 23; p += 3) {
        fill(p, 2, p + 1, 5, PIN);       // top
        fill(p, 26, p + 1, 29, PIN);     // bottom
        fill(2, p, 5, p + 1, PIN);       // left
        fill(26, p, 29, p + 1, PIN);     // right
        fill(p + 1, 2, p + 1, 5, PIN_SHADE);
        fill(p + 1, 26, p + 1, 29, PIN_SHADE);
        fill(2, p + 1, 5, p + 1, PIN_SHADE);
        fill(26, p + 1, 29, p + 1, PIN_SHADE);
    }
    fill(6, 6, 25, 25, BODY);
    frame(6, 6, 25, 25, BODY_EDGE);
    fill(8, 8, 9, 9, NOTCH); // pin-1 mark
    fill(11, 11, 20, 20, DIE);
    frame(11, 11, 20, 20, DIE_EDGE);
    // A "V" on the die.
    static const char *const letter[] = {
        "##....##",
        "##....##",
        ".##..##.",
        ".##..##.",
        "..####..",
        "...##...",
    };
    for (int row = 0; row < 6; row++)
        for (int col = 0; col < 8; col++)
            if (letter[row][col] == '#')
                fill(12 + col, 13 + row, 12 + col, 13 + row, MARK);
}

static void put16(FILE *f, unsigned v)
{
    fputc(v & 0xFF, f);
    fputc((v >> 8) & 0xFF, f);
}

static void put32(FILE *f, unsigned long v)
{
    put16(f, v & 0xFFFF);
    put16(f, (v >> 16) & 0xFFFF);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    draw_chip();

    const unsigned long image_size = 40 + SIDE * ROW_BYTES + SIDE * MASK_ROW_BYTES;
    FILE *f = fopen(argv[1], "wb");
    if (!f) {
        perror(argv[1]);
        return 1;
    }
    // Icon directory: one image.
    put16(f, 0);
    put16(f, 1);
    put16(f, 1);
    fputc(SIDE, f);
    fputc(SIDE, f);
    fputc(0, f); // no palette
    fputc(0, f);
    put16(f, 1);  // planes
    put16(f, 24); // bits per pixel
    put32(f, image_size);
    put32(f, 6 + 16);

    // The image: a bitmap header whose height counts the colour rows and the
    // mask rows, then both, bottom row first.
    put32(f, 40);
    put32(f, SIDE);
    put32(f, SIDE * 2);
    put16(f, 1);
    put16(f, 24);
    put32(f, 0);
    put32(f, SIDE * ROW_BYTES + SIDE * MASK_ROW_BYTES);
    put32(f, 0);
    put32(f, 0);
    put32(f, 0);
    put32(f, 0);
    for (int y = SIDE - 1; y >= 0; y--)
        for (int x = 0; x < SIDE; x++) {
            colour c = opaque[y][x] ? pixels[y][x] : colour{0, 0, 0};
            fputc(c.b, f);
            fputc(c.g, f);
            fputc(c.r, f);
        }
    // The mask: a set bit lets the background through.
    for (int y = SIDE - 1; y >= 0; y--) {
        uint8_t row[MASK_ROW_BYTES];
        memset(row, 0, sizeof row);
        for (int x = 0; x < SIDE; x++)
            if (!opaque[y][x])
                row[x / 8] |= (uint8_t)(0x80 >> (x % 8));
        fwrite(row, 1, sizeof row, f);
    }
    if (fclose(f) != 0) {
        perror(argv[1]);
        return 1;
    }
    return 0;
}
