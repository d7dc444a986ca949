// The labelling screens' rounds. The Moon screen's name labels: each one's home and its own target, in twips; a 2085 x 375
// label is held by its middle.
export const moonMoves = [
  [[6120, 7320], [3480, 3120]], [[8400, 6720], [8760, 3120]], [[3840, 7320], [3480, 5760]], [[3840, 6720], [6120, 3120]],
  [[6120, 6720], [8760, 5760]], [[1560, 6720], [6120, 5760]], [[8400, 7320], [840, 5760]],  [[1560, 7320], [840, 3120]],
];
export const labelMiddle = [1042, 187];

// The planets' name labels, the same way; a 1320 x 375 label is held by its middle.
export const planetMoves = [
  [[2400, 7320], [840, 4230]], [[3120, 6720], [7560, 2880]], [[6720, 7320], [120, 7560]], [[4560, 6720], [4170, 2400]],
  [[7440, 6720], [480, 6060]], [[8160, 7320], [2400, 2880]], [[5280, 7320], [9780, 3540]], [[6000, 6720], [10320, 5760]],
  [[3840, 7320], [10440, 7080]],
];
export const planetMiddle = [660, 187];

// Carries every label of `moves`, held at `middle`, from its home onto its target on a screen
// placed at `place`, in `steps` as a hand moves: `down` at the home, `move` on the way, `up`.
export async function carryRound({ moves = moonMoves, middle = labelMiddle, place, steps = 5, down, move, up }) {
  for (const [home, target] of moves) {
    const along = (step) => place.at(home[0] + middle[0] + ((target[0] - home[0]) * step) / steps,
                                     home[1] + middle[1] + ((target[1] - home[1]) * step) / steps);
    await down(...along(0));
    for (let step = 1; step <= steps; ++step) await move(...along(step));
    await up();
  }
}
