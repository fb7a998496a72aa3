// The design view: the two inputs, Results and the results area, as the design window does it.
// The results shown always belong to the inputs beside them: a refused Results clears them, and
// an edit after Results marks them as the previous inputs' until Results is pressed again. With
// moments (the moments' panel) the section is the moment design's, from bending.wasm, which is
// loaded the first time the engine says a design needs it.

import { drawSection, layOutForDrawing, sectionCaption } from './section_drawing.js';
import {
  bendingFailureText, failureText, inputProblemText, momentsLineText,
} from './messages.js';

// `onDesigned(sheet)` gets what the calculation sheet shows of each successful Results, and
// `onRefused()` is told of every other: the sheet belongs to the last successful Results.
// `loadBending()` resolves to bending.js's functions.
export function createDesignView(elements, showMessage, { onDesigned, onRefused, loadBending }) {
  const {
    load, floors, results, staleNote, width, length, barDiameter, barCount, figure, drawing,
    caption, momentsLine,
  } = elements;
  // The inputs of the results on show, or null when none are shown.
  let shownFor = null;
  // The materials and the moments' panels, once the calculation has loaded.
  let materials = null;
  let moments = null;
  let bending = null;  // bending.js's functions, loaded once
  const inputsNow = () => JSON.stringify([load.value, floors.value, materials?.materials(),
    moments?.fields()]);

  const clearDrawing = () => {
    figure.hidden = true;
    drawing.replaceChildren();
    caption.textContent = '';
  };

  let drawn = null;  // the layout of the drawing on show, for its caption

  // Draws the section and returns its layout, or null when it cannot be drawn.
  const showDrawing = (calculation, design) => {
    const layout = layOutForDrawing(calculation.layOutSection,
                                    { ...design, ...design.materials });
    if (!layout) {
      clearDrawing();
      return null;
    }
    drawSection(drawing, layout, calculation.rules);
    drawn = layout;
    caption.textContent = sectionCaption(layout);
    figure.hidden = false;
    return layout;
  };

  let momentDesign = null;  // the moment design whose line is on show

  // The caption and the moments' line in the page's language, after a change of it.
  const retranslate = () => {
    if (!figure.hidden && drawn) {
      caption.textContent = sectionCaption(drawn);
    }
    if (!momentsLine.hidden && momentDesign) {
      momentsLine.textContent = momentsLineText(momentDesign);
    }
  };

  // Writes every result field; a field the calculation did not reach becomes empty.
  const writeResults = (design) => {
    length.value = design.lengthText ?? '';
    barCount.value = design.barCountText ?? '';
  };

  const writeMomentsLine = (text) => {
    momentsLine.textContent = text;
    momentsLine.hidden = text === '';
  };

  const showStaleness = () => {
    const stale = shownFor !== null && inputsNow() !== shownFor;
    results.classList.toggle('stale', stale);
    staleNote.hidden = !stale;
  };
  // Listened to on the form, so the field's guard has settled the text first.
  load.form.addEventListener('input', showStaleness);

  const focusAfterMessage = { 'load-empty': load, 'floors-empty': floors };

  // Results refused before any design: nothing of the last results stays on show.
  const refuse = (text, afterwards) => {
    shownFor = null;
    results.hidden = true;
    writeResults({});
    writeMomentsLine('');
    clearDrawing();
    showStaleness();
    onRefused();
    showMessage(text, afterwards);
  };

  // A design that failed: what the steps before the failure wrote stays, as the window does.
  const fail = (partial, text) => {
    writeResults(partial);
    writeMomentsLine('');
    clearDrawing();
    onRefused();
    showMessage(text);
  };

  // The moment design of inputs the engine says it can change: its section in place of the
  // axial design's, and the line that says whether the moments governed.
  const showBending = async (calculation, design, input) => {
    const asked = inputsNow();
    writeResults({});
    writeMomentsLine('');
    clearDrawing();
    bending ??= loadBending();
    let designer;
    try {
      designer = await bending;
    } catch (error) {
      bending = null;  // the next Results tries again
      onRefused();
      throw error;
    }
    if (inputsNow() !== asked) return;  // edited while the module loaded: Results again
    const moment = designer.designBending(load.value, floors.value, input);
    if (!moment.ok) {
      const text = moment.failure === 'slender' || moment.failure === 'too-large'
        ? bendingFailureText(moment) : failureText(moment.failure);
      fail({}, text);
      return;
    }
    // The section's figures are whole numbers, which String writes as the engine does.
    const section = { ...design, lengthText: String(moment.lengthCm),
      barCountText: String(moment.bars) };
    writeResults(section);
    momentDesign = moment;
    writeMomentsLine(momentsLineText(moment));
    const layout = showDrawing(calculation, section);
    onDesigned({ report: moment.report, layout, diagram: moment.diagram, date: new Date() });
  };

  const runResults = (calculation) => {
    const problem = calculation.checkInputs(load.value, floors.value);
    const choice = problem ? null : materials.check();
    if (problem) {
      refuse(inputProblemText(problem), () => focusAfterMessage[problem]?.focus());
      return undefined;
    }
    if (choice) {
      refuse(materials.problemText(choice), () => materials.showChoice(choice));
      return undefined;
    }
    const fields = moments.fields();
    const asked = calculation.checkMoments(materials.materials(), fields);
    if (asked.field) {
      refuse(moments.problemText(asked), () => moments.showField(asked.field));
      return undefined;
    }
    shownFor = inputsNow();
    results.hidden = false;
    showStaleness();
    const design = calculation.designWithWorking(load.value, floors.value, materials.materials());
    // The width and diameter of the materials, as the engine writes them.
    width.value = design.materials.widthText;
    barDiameter.value = design.materials.barDiameterText;
    if (!design.ok) {
      fail(design.partial, failureText(design.failure));
      return undefined;
    }
    if (asked.canGovern) return showBending(calculation, design, asked.input);
    writeResults(design);
    writeMomentsLine('');
    const layout = showDrawing(calculation, design);
    const report = calculation.designReport(load.value, floors.value, materials.materials());
    onDesigned({ report, layout, date: new Date() });
    return undefined;
  };

  return {
    runResults,
    retranslate,
    useMaterials(panel) {
      materials = panel;
    },
    useMoments(panel) {
      moments = panel;
    },
  };
}
