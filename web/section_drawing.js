// Draws the column's section to scale (millimetres) from the engine's bar layout: the concrete,
// the tie and the bars, the length across and the width up, as seen from above.

import { tr } from './language.js';

const SVG = 'http://www.w3.org/2000/svg';
const MARGIN_MM = 12;
// A section with more bars than this is drawn as nothing: at phone size it would say nothing.
const MOST_BARS_DRAWN = 60;

function svgElement(name, attributes) {
  const element = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) {
    element.setAttribute(key, String(value));
  }
  return element;
}

// Returns the layout when the section can be drawn, or null.
export function layOutForDrawing(layOutSection, design) {
  const widthCm = Number(design.widthText);
  const lengthCm = Number(design.lengthText);
  const barCount = Number(design.barCountText);
  const barDiameterMm = Number(design.barDiameterText);
  if (!Number.isInteger(barCount) || barCount > MOST_BARS_DRAWN) {
    return null;
  }
  const layout = layOutSection({ widthCm, lengthCm, barCount, barDiameterMm });
  return layout.ok ? { widthCm, lengthCm, barDiameterMm, ...layout } : null;
}

// `rules`: the engine's tie diameter and cover.
export function drawSection(svg, { widthCm, lengthCm, bars, barDiameterMm, tieCornerRadiusMm },
  rules) {
  const across = lengthCm * 10;
  const up = widthCm * 10;
  const tieInset = rules.clearCoverMm + rules.tieDiameterMm / 2;
  svg.replaceChildren(
    svgElement('rect', { class: 'concrete', x: 0, y: 0, width: across, height: up,
                         'stroke-width': 3 }),
    svgElement('rect', { class: 'tie', x: tieInset, y: tieInset, width: across - 2 * tieInset,
                         height: up - 2 * tieInset, rx: tieCornerRadiusMm,
                         'stroke-width': rules.tieDiameterMm }),
    ...bars.map(({ xMm, yMm }) =>
      svgElement('circle', { class: 'bar', cx: xMm, cy: up - yMm, r: barDiameterMm / 2 })),
  );
  svg.setAttribute('viewBox',
                   `${-MARGIN_MM} ${-MARGIN_MM} ${across + 2 * MARGIN_MM} ${up + 2 * MARGIN_MM}`);
}

export function sectionCaption({ widthCm, lengthCm, bars, barDiameterMm, clearSpacingMm }) {
  // The dimensions read left to right inside the Arabic sentence.
  return tr('page.section-caption', `\u2066${widthCm} × ${lengthCm}\u2069`, bars.length,
            barDiameterMm, clearSpacingMm.toFixed(1));
}
