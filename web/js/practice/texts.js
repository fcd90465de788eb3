// The practice part's own texts; the problems' words and the marks come from the core.
export const texts = {
  check: 'Провери',
  showSolution: 'Покажи решението',
  noAnswer: 'Напишете отговор в поне едно поле.',
  sheetTitle: 'Лист със задачи',
  sheetCount: 'Брой задачи (от 1 до 20)',
  sheetNumber: 'Номер на листа',
  sheetPairs: 'Дадени величини',
  makeSheet: 'Направи листа',
  print: 'Печат',
  key: 'Отговори',
  badCount: 'Брой задачи: цяло число от 1 до 20.',
  badNumber: 'Номер на листа: цяло число от 0 до 4294967295.',
  noPairs: 'Изберете поне една двойка дадени величини.',
  sheetAbout: (level, number) => `Ниво ${level}, лист № ${number}`,
  sheetReady: (count) =>
    `Листът със задачи е готов: ${count === 1 ? '1 задача' : `${count} задачи`} и отговорите им.`,
};
