// The Moon screen's name labels: each one's home and its own target, in twips; a 2085 x 375
// label is held by its middle.
export const moonMoves = [
  [[6120, 7320], [3480, 3120]], [[8400, 6720], [8760, 3120]], [[3840, 7320], [3480, 5760]], [[3840, 6720], [6120, 3120]],
  [[6120, 6720], [8760, 5760]], [[1560, 6720], [6120, 5760]], [[8400, 7320], [840, 5760]],  [[1560, 7320], [840, 3120]],
];
export const labelMiddle = [1042, 187];

// Drags every label onto its own target with the mouse, in steps as a hand moves.
export async function dragMoonRound(mouse, moon) {
  for (const [home, target] of moonMoves) {
    const along = (step) => moon.at(home[0] + labelMiddle[0] + ((target[0] - home[0]) * step) / 5,
                                    home[1] + labelMiddle[1] + ((target[1] - home[1]) * step) / 5);
    await mouse.move(...along(0));
    await mouse.down();
    for (let step = 1; step <= 5; ++step) await mouse.move(...along(step));
    await mouse.up();
  }
}
