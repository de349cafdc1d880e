// Answers, one line per request line, what the npm libraries say of document numbers, so that
// the test compares them with this library's answers. Requests:
//   gerar N                  N alphanumeric CNPJs made by cpf-cnpj-validator's generator
//   cnpj-bu NUMBER           @brazilian-utils isValidCnpj, version 2 (numeric and alphanumeric)
//   cnpj-ccv NUMBER          cpf-cnpj-validator cnpj.isValid
//   pis NUMBER               @brazilian-utils isValidPis
//   chave KEY                @brazilian-utils isValidNfeKey
//   ie LIBRARY UF NUMBER     a state registration, by one of the libraries in `ie` below
// Each answer is True or False (gerar answers N lines of numbers).
'use strict';
const readline = require('readline');
const bu = require('@brazilian-utils/brazilian-utils');
const { cnpj } = require('cpf-cnpj-validator');
const brValidations = require('br-validations');
const inscricaoEstadual = require('inscricaoestadual');
const validationsBr = require('validations-br');

const ie = {
  'brazilian-utils': (uf, numero) => bu.isValidIe({ value: numero, stateCode: uf }),
  'br-validations': (uf, numero) => brValidations.ie(uf).validate(numero),
  'inscricaoestadual': (uf, numero) => inscricaoEstadual(numero, uf) === true,
  'validations-br': (uf, numero) => validationsBr.validateIE(numero, uf),
};

const resposta = (valor) => (valor === true ? 'True' : 'False');
const saida = [];
const pedidos = {
  gerar: ([n]) => Array.from({ length: Number(n) }, () => cnpj.generate({ alphanumeric: true })).join('\n'),
  'cnpj-bu': ([numero]) => resposta(bu.isValidCnpj(numero, { version: 2 })),
  'cnpj-ccv': ([numero]) => resposta(cnpj.isValid(numero)),
  pis: ([numero]) => resposta(bu.isValidPis(numero)),
  chave: ([chave]) => resposta(bu.isValidNfeKey(chave)),
  ie: ([biblioteca, uf, numero]) => {
    try {
      return resposta(ie[biblioteca](uf, numero ?? ''));
    } catch (e) {
      return 'False';
    }
  },
};

readline.createInterface({ input: process.stdin })
  .on('line', (linha) => {
    const [pedido, ...argumentos] = linha.split(' ');
    saida.push(pedidos[pedido](argumentos));
  })
  .on('close', () => process.stdout.write(saida.join('\n') + '\n'));
